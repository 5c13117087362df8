object frmDriver: TfrmDriver
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
    Caption = 'Back up device driver of your PC easily and quickly. '
    Transparent = True
    Font.Color = $00726860
    ParentFont = False
  end
  object Label3: TLabel
    Left = 16
    Top = 52
    Width = 430
    Height = 30
    AutoSize = False
    Caption = 'We recommend backing up your Windows systems in the condition of reinstalling the operating system '
    Transparent = True
    WordWrap = True
  end
  object Label4: TLabel
    Left = 16
    Top = 80
    Width = 555
    Height = 16
    AutoSize = False
    Caption = 'or update the system.'
    Transparent = True
  end
  object GroupBox1: TGroupBox
    Left = 8
    Top = 98
    Width = 563
    Height = 272
    Caption = 'Drive Backup List'
    object VST1: TVirtualStringTree
      Left = 4
      Top = 18
      Width = 555
      Height = 246
      Images = ImageList1
      DefaultNodeHeight = 20
      Header.Options = [hoVisible, hoColumnResize]
      Header.Columns = <
      item
        Text = 'Item'
        Width = 250
      end
      item
        Text = 'Type'
        Width = 230
      end
      item
        Text = 'Reg'
        Width = 48
      end>
      TreeOptions.PaintOptions = [toShowHorzGridLines, toShowVertGridLines]
      TreeOptions.SelectionOptions = [toFullRowSelect]
      OnGetText = VST1GetText
      OnInitNode = VST1InitNode
      OnGetImageIndex = VST1GetImageIndex
    end
  end
  object chkAll: TCheckBox
    Left = 16
    Top = 380
    Width = 90
    Height = 17
    Caption = 'Select All'
    OnClick = chkAllClick
  end
  object CheckBox1: TCheckBox
    Left = 116
    Top = 380
    Width = 300
    Height = 17
    Caption = 'Seach all drivers that can be used for backup'
    OnClick = CheckBox1Click
  end
  object ProgressBar1: TProgressBar
    Left = 16
    Top = 406
    Width = 440
    Height = 16
    Visible = False
  end
  object BtnBackUp: TButton
    Left = 482
    Top = 382
    Width = 80
    Height = 28
    Caption = 'Backup'
    OnClick = BtnBackUpClick
  end
  object ImageList1: TImageList
    Bitmap.File = 'driver/tree16.bmp'
  end
end
