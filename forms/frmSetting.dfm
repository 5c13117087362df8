object frmSetting: TfrmSetting
  Left = 0
  Top = 0
  Width = 579
  Height = 433
  BorderStyle = bsNone
  Caption = 'Option Center'
  ClientHeight = 433
  ClientWidth = 579
  Color = clWhite
  Font.Color = clWindowText
  Font.Height = -11
  Font.Name = 'Tahoma'
  Font.Style = []
  OnCreate = FormCreate
  object Label6: TLabel
    Left = 16
    Top = 12
    Width = 540
    Height = 16
    AutoSize = False
    Caption = 'Option Center'
    Font.Color = $00603410
    Font.Height = -13
    Font.Name = 'Tahoma'
    Font.Style = [fsBold]
    ParentFont = False
    Transparent = True
  end
  object Label7: TLabel
    Left = 16
    Top = 34
    Width = 540
    Height = 13
    AutoSize = False
    Caption = 'Controls which programs are executed at Windows startup.'
    Transparent = True
  end
  object GroupBox1: TGroupBox
    Left = 16
    Top = 60
    Width = 547
    Height = 56
    Caption = 'Startup Options'
    Color = clWhite
    object CheckBox2: TCheckBox
      Left = 14
      Top = 24
      Width = 500
      Height = 17
      Caption = 'Start Quillstead automatically when Windows starts.'
      OnClick = CheckBox2Click
    end
  end
  object GroupBox2: TGroupBox
    Left = 16
    Top = 126
    Width = 547
    Height = 56
    Caption = 'Automatically Options'
    Color = clWhite
    object CheckBox3: TCheckBox
      Left = 14
      Top = 24
      Width = 520
      Height = 17
      AllowGrayed = True
      Caption = 'Do not automatically create backups before repairing then registry(Not Recommend).'
      Enabled = False
      OnClick = CheckBox2Click
    end
  end
  object GroupBox3: TGroupBox
    Left = 16
    Top = 192
    Width = 547
    Height = 92
    Caption = 'Live Update'
    Color = clWhite
    object Label5: TLabel
      Left = 14
      Top = 58
      Width = 300
      Height = 13
      AutoSize = False
      Caption = 'Version:'
      Transparent = True
    end
    object CheckBox1: TCheckBox
      Left = 14
      Top = 24
      Width = 400
      Height = 17
      Caption = 'Check for Quillstead update automatically.'
      OnClick = CheckBox1Click
    end
    object BitBtn1: TBitBtn
      Left = 420
      Top = 50
      Width = 113
      Height = 27
      Caption = 'Check for Update'
      OnClick = BitBtn1Click
    end
  end
  object GroupBox4: TGroupBox
    Left = 16
    Top = 294
    Width = 547
    Height = 74
    Caption = 'Support'
    Color = clWhite
    object Label1: TLabel
      Left = 14
      Top = 24
      Width = 46
      Height = 13
      Caption = 'Website:'
      Transparent = True
    end
    object Label2: TLabel
      Left = 80
      Top = 24
      Width = 250
      Height = 13
      Cursor = crHandPoint
      AutoSize = False
      Caption = 'http://www.quillstead.example/'
      Font.Color = clBlue
      Font.Height = -11
      Font.Name = 'Tahoma'
      Font.Style = []
      ParentFont = False
      Transparent = True
      OnClick = Label2Click
      OnMouseEnter = Label2MouseEnter
      OnMouseLeave = Label2MouseLeave
    end
    object Label4: TLabel
      Left = 14
      Top = 46
      Width = 46
      Height = 13
      Caption = 'Support: '
      Transparent = True
    end
    object Label3: TLabel
      Left = 80
      Top = 46
      Width = 250
      Height = 13
      Cursor = crHandPoint
      AutoSize = False
      Caption = 'support@quillstead.example'
      Font.Color = clBlue
      Font.Height = -11
      Font.Name = 'Tahoma'
      Font.Style = []
      ParentFont = False
      Transparent = True
      OnClick = Label3Click
      OnMouseEnter = Label2MouseEnter
      OnMouseLeave = Label2MouseLeave
    end
  end
end
