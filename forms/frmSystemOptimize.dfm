object frmSystemOptimize: TfrmSystemOptimize
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
  object Label6: TLabel
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
  object Label7: TLabel
    Left = 16
    Top = 32
    Width = 546
    Height = 16
    AutoSize = False
    Caption = 'Automatically optimize your system to improve computer performance.'
    Transparent = True
    Font.Color = $00726860
    ParentFont = False
  end
  object Label1: TLabel
    Left = 16
    Top = 54
    Width = 546
    Height = 30
    AutoSize = False
    WordWrap = True
    Caption = 'System optimizer will automatically optimizer your system with the pre-setting of the optimization model that you'
    Transparent = True
  end
  object Label2: TLabel
    Left = 16
    Top = 82
    Width = 546
    Height = 16
    AutoSize = False
    Caption = 'can choose below.'
    Transparent = True
  end
  object GroupBox1: TGroupBox
    Left = 16
    Top = 104
    Width = 546
    Height = 110
    Caption = 'Select Optimization Type'
    object imgDefault: TImage
      Left = 16
      Top = 24
      Width = 16
      Height = 16
      Picture.File = 'service/default.png'
    end
    object rbDefault: TRadioButton
      Left = 38
      Top = 22
      Width = 224
      Height = 20
      Caption = 'Windows Default'
      Checked = True
      OnClick = rbDefaultClick
    end
    object imgCampus: TImage
      Left = 16
      Top = 52
      Width = 16
      Height = 16
      Picture.File = 'service/campus.png'
    end
    object rbCampus: TRadioButton
      Left = 38
      Top = 50
      Width = 224
      Height = 20
      Caption = 'Campus Model'
      OnClick = rbDefaultClick
    end
    object imgNet: TImage
      Left = 16
      Top = 80
      Width = 16
      Height = 16
      Picture.File = 'service/internet.png'
    end
    object rbNet: TRadioButton
      Left = 38
      Top = 78
      Width = 224
      Height = 20
      Caption = 'Internet Cafe Model'
      OnClick = rbDefaultClick
    end
    object imgNote: TImage
      Left = 282
      Top = 24
      Width = 16
      Height = 16
      Picture.File = 'service/notebook.png'
    end
    object rbNote: TRadioButton
      Left = 304
      Top = 22
      Width = 224
      Height = 20
      Caption = 'Notebook Model'
      OnClick = rbDefaultClick
    end
    object imgOffice: TImage
      Left = 282
      Top = 52
      Width = 16
      Height = 16
      Picture.File = 'service/office.png'
    end
    object rbOffice: TRadioButton
      Left = 304
      Top = 50
      Width = 224
      Height = 20
      Caption = 'Office Model'
      OnClick = rbDefaultClick
    end
    object imgHome: TImage
      Left = 282
      Top = 80
      Width = 16
      Height = 16
      Picture.File = 'service/home.png'
    end
    object rbHome: TRadioButton
      Left = 304
      Top = 78
      Width = 224
      Height = 20
      Caption = 'Home Model'
      OnClick = rbDefaultClick
    end
  end
  object GroupBox2: TGroupBox
    Left = 16
    Top = 224
    Width = 546
    Height = 140
    Caption = 'Detailed Description'
    object Label3: TLabel
      Left = 12
      Top = 20
      Width = 526
      Height = 28
      AutoSize = False
      WordWrap = True
      Caption = 'Reset to Windows default service'
      Transparent = True
    end
    object Label4: TLabel
      Left = 12
      Top = 50
      Width = 526
      Height = 28
      AutoSize = False
      WordWrap = True
      Caption = ''
      Transparent = True
      Visible = False
    end
    object Label5: TLabel
      Left = 12
      Top = 80
      Width = 526
      Height = 28
      AutoSize = False
      WordWrap = True
      Caption = ''
      Transparent = True
      Visible = False
    end
    object Label8: TLabel
      Left = 12
      Top = 110
      Width = 526
      Height = 28
      AutoSize = False
      WordWrap = True
      Caption = ''
      Transparent = True
      Visible = False
    end
  end
  object pb1: TProgressBar
    Left = 16
    Top = 384
    Width = 400
    Height = 18
    Visible = False
  end
  object btnOptimize: TButton
    Left = 462
    Top = 378
    Width = 100
    Height = 28
    Caption = 'Optimize'
    OnClick = btnOptimizeClick
  end
end
