object frmstartup: Tfrmstartup
  Left = 0
  Top = 0
  BorderStyle = bsNone
  ClientWidth = 579
  ClientHeight = 433
  Color = clWhite
  Font.Color = clWindowText
  Font.Height = -11
  Font.Name = 'Tahoma'
  Font.Style = []
  OnCreate = FormCreate
  object Label1: TLabel
    Left = 16
    Top = 10
    Width = 546
    Height = 20
    AutoSize = False
    Caption = ''
    Transparent = True
    Font.Color = $00603410
    Font.Height = -15
    Font.Name = 'Tahoma'
    Font.Style = [fsBold]
    ParentFont = False
  end
  object Label2: TLabel
    Left = 16
    Top = 32
    Width = 546
    Height = 16
    AutoSize = False
    Caption = 'Choose which programs you wish to launch at the Windows startup.'
    Transparent = True
    Font.Color = $00726860
    ParentFont = False
  end
  object Label5: TLabel
    Left = 16
    Top = 48
    Width = 546
    Height = 16
    AutoSize = False
    Caption = 'Automatically stop unneeded software from starting to improve system-boot speed.'
    Transparent = True
    Font.Color = $00726860
    ParentFont = False
  end
  object GroupBox1: TGroupBox
    Left = 8
    Top = 70
    Width = 563
    Height = 196
    Caption = 'Program Name'
    object VST_Startup: TVirtualStringTree
      Left = 4
      Top = 18
      Width = 555
      Height = 172
      Images = ilStartup
      DefaultNodeHeight = 20
      Header.Options = [hoVisible, hoColumnResize]
      Header.Columns = <
      item
        Text = 'Item'
        Width = 170
      end
      item
        Text = 'Run Path'
        Width = 362
      end>
      TreeOptions.PaintOptions = [toShowHorzGridLines, toShowVertGridLines]
      TreeOptions.SelectionOptions = [toFullRowSelect]
      OnChange = VST_StartupChange
      OnGetText = VST_StartupGetText
      OnGetImageIndex = VST_StartupGetImageIndex
      OnInitNode = VST_StartupInitNode
      OnPaintText = VST_StartupPaintText
    end
  end
  object GroupBox2: TGroupBox
    Left = 8
    Top = 272
    Width = 563
    Height = 112
    Caption = 'Detailed Description'
    object imDefault: TImage
      Left = 14
      Top = 26
      Width = 32
      Height = 32
      Center = True
      Picture.File = 'startup/default.png'
      Transparent = True
    end
    object imStartupItem: TImage
      Left = 14
      Top = 26
      Width = 32
      Height = 32
      Center = True
      Transparent = True
      Visible = False
    end
    object lblDescription: TLabel
      Left = 60
      Top = 20
      Width = 490
      Height = 16
      AutoSize = False
      Caption = 'Instructions'
      Transparent = True
      Font.Color = $00603410
      Font.Height = -11
      Font.Name = 'Tahoma'
      Font.Style = [fsBold]
      ParentFont = False
    end
    object lblExeFile: TLabel
      Left = 60
      Top = 40
      Width = 490
      Height = 16
      AutoSize = False
      Caption = ''
      Transparent = True
    end
    object lblCompany: TLabel
      Left = 60
      Top = 58
      Width = 490
      Height = 16
      AutoSize = False
      Caption = ''
      Transparent = True
    end
    object lblRegistryPosition: TLabel
      Left = 60
      Top = 76
      Width = 490
      Height = 14
      AutoSize = False
      Caption = ''
      Transparent = True
      Visible = False
    end
    object lblCopyRight: TLabel
      Left = 60
      Top = 76
      Width = 490
      Height = 14
      AutoSize = False
      Caption = ''
      Transparent = True
      Visible = False
    end
    object Label6: TLabel
      Left = 60
      Top = 86
      Width = 110
      Height = 16
      AutoSize = False
      Caption = 'Search in Google'
      Cursor = crHandPoint
      Transparent = True
      Font.Color = clBlue
      Font.Height = -11
      Font.Name = 'Tahoma'
      Font.Style = [fsUnderline]
      ParentFont = False
      OnClick = Label6Click
    end
    object Label7: TLabel
      Left = 186
      Top = 86
      Width = 110
      Height = 16
      AutoSize = False
      Caption = 'Open in Explorer'
      Cursor = crHandPoint
      Transparent = True
      Font.Color = clBlue
      Font.Height = -11
      Font.Name = 'Tahoma'
      Font.Style = [fsUnderline]
      ParentFont = False
      OnClick = Label7Click
    end
    object Label8: TLabel
      Left = 312
      Top = 86
      Width = 90
      Height = 16
      AutoSize = False
      Caption = 'Properties'
      Cursor = crHandPoint
      Transparent = True
      Font.Color = clBlue
      Font.Height = -11
      Font.Name = 'Tahoma'
      Font.Style = [fsUnderline]
      ParentFont = False
      OnClick = Label8Click
    end
  end
  object btnRefresh: TButton
    Left = 386
    Top = 394
    Width = 86
    Height = 26
    Caption = 'Refresh'
    OnClick = btnRefreshClick
  end
  object btnDelete: TButton
    Left = 480
    Top = 394
    Width = 86
    Height = 26
    Caption = 'Remove'
    OnClick = btnDeleteClick
  end
  object ilStartup: TImageList
  end
  object ilDefault: TImageList
    Bitmap.File = 'startup/default16.bmp'
  end
  object alStartup: TActionList
    object acStartupAppRefresh: TAction
      Caption = #21047#26032
      OnExecute = acStartupAppRefreshExecute
    end
  end
end
