object frmUninstall: TfrmUninstall
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
  object Label3: TLabel
    Left = 16
    Top = 32
    Width = 546
    Height = 14
    AutoSize = False
    Caption = 'Uninstall programs that you don'#39't need anymore or can'#39't be removed from your computer.'
    Transparent = True
    Font.Color = $00726860
    ParentFont = False
  end
  object Label4: TLabel
    Left = 16
    Top = 47
    Width = 546
    Height = 14
    AutoSize = False
    Caption = 'Completely and comprehensively uninstall your unwanted programs from your computer.'
    Transparent = True
    Font.Color = $00726860
    ParentFont = False
  end
  object GroupBox1: TGroupBox
    Left = 8
    Top = 66
    Width = 563
    Height = 222
    Caption = 'Program List'
    object VST1: TVirtualStringTree
      Left = 4
      Top = 18
      Width = 555
      Height = 198
      Images = ilUnInstall
      DefaultNodeHeight = 20
      Header.Options = [hoVisible, hoColumnResize]
      Header.Columns = <
      item
        Text = 'Item'
        Width = 195
      end
      item
        Text = 'Size'
        Width = 75
      end
      item
        Text = '使用频率'
        Width = 70
      end
      item
        Text = 'Last Modification'
        Width = 115
      end
      item
        Text = 'Install Date'
        Width = 90
      end>
      TreeOptions.PaintOptions = [toShowHorzGridLines, toShowVertGridLines]
      TreeOptions.SelectionOptions = [toFullRowSelect]
      OnChange = VST1Change
      OnGetText = VST1GetText
      OnGetImageIndex = VST1GetImageIndex
    end
  end
  object GroupBox2: TGroupBox
    Left = 8
    Top = 292
    Width = 563
    Height = 98
    Caption = 'Detailed Description'
    object imSelectedProgram: TImage
      Left = 14
      Top = 24
      Width = 32
      Height = 32
      Center = True
      Visible = False
    end
    object imDefault: TImage
      Left = 14
      Top = 24
      Width = 32
      Height = 32
      Center = True
      Picture.File = 'uninstall/default32.png'
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
      Font.Height = -12
      Font.Name = 'Tahoma'
      Font.Style = [fsBold]
      ParentFont = False
    end
    object lblCompany: TLabel
      Left = 60
      Top = 40
      Width = 490
      Height = 14
      AutoSize = False
      Caption = 'First,Choose one of the applications above that you want to uninstall.'
      Transparent = True
    end
    object Label2: TLabel
      Left = 60
      Top = 58
      Width = 250
      Height = 14
      AutoSize = False
      Caption = 'Next, Click on "Uninstall" button'
      Transparent = True
    end
    object lblHelpLink: TLabel
      Left = 150
      Top = 58
      Width = 400
      Height = 14
      Cursor = crHandPoint
      AutoSize = False
      Caption = ''
      Transparent = True
      Visible = False
      Font.Color = clBlue
      Font.Height = -11
      Font.Name = 'Tahoma'
      Font.Style = [fsUnderline]
      ParentFont = False
      OnClick = lblHelpLinkClick
    end
    object lblVersion: TLabel
      Left = 60
      Top = 76
      Width = 490
      Height = 14
      AutoSize = False
      Caption = ''
      Transparent = True
      Visible = False
    end
  end
  object chkshowwindowsUpdate: TCheckBox
    Left = 14
    Top = 402
    Width = 180
    Height = 17
    Caption = 'show windows update'
    OnClick = chkshowwindowsUpdateClick
  end
  object lblSoftCount: TLabel
    Left = 200
    Top = 404
    Width = 100
    Height = 14
    AutoSize = False
    Caption = '软件数目: '
    Transparent = True
    Visible = False
  end
  object Button1: TButton
    Left = 311
    Top = 398
    Width = 80
    Height = 25
    Action = acUnInstallRefresh
    Caption = 'Refresh'
  end
  object Button2: TButton
    Left = 401
    Top = 398
    Width = 80
    Height = 25
    Caption = 'Remove'
    OnClick = Button2Click
  end
  object Button3: TButton
    Left = 491
    Top = 398
    Width = 80
    Height = 25
    Caption = 'Uninstall'
    OnClick = Button3Click
  end
  object ilUnInstall: TImageList
  end
  object ilDefault: TImageList
    Bitmap.File = 'uninstall/default16.bmp'
  end
  object alUninstall: TActionList
    object acUnInstallRefresh: TAction
      Caption = '刷新'
      OnExecute = acUnInstallRefreshExecute
    end
  end
end
