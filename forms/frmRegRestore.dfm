object frmRegRestore: TfrmRegRestore
  Left = 0
  Top = 0
  BorderStyle = bsNone
  Caption = 'Registry Backup'
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
    Caption = 'Good Morning and Welcome to Registry Backup'
    Transparent = True
    Font.Color = $00603410
    Font.Height = -15
    Font.Name = 'Tahoma'
    Font.Style = [fsBold]
    ParentFont = False
  end
  object Label3: TLabel
    Left = 16
    Top = 34
    Width = 546
    Height = 16
    AutoSize = False
    Caption = 'Restore the data in case of file corruption.'
    Transparent = True
    Font.Color = $00726860
    ParentFont = False
  end
  object Label2: TLabel
    Left = 16
    Top = 52
    Width = 546
    Height = 16
    AutoSize = False
    Caption = 
      'We recommend backing up your registry regularly in the condition' +
      ' of failure.'
    Transparent = True
    Font.Color = $00726860
    ParentFont = False
  end
  object GroupBox1: TGroupBox
    Left = 8
    Top = 76
    Width = 563
    Height = 302
    Caption = 'Registry Backup List'
    object lsbRestore: TListBox
      Left = 8
      Top = 18
      Width = 547
      Height = 274
      Style = lbOwnerDrawFixed
      ItemHeight = 24
      Font.Color = clWindowText
      Font.Height = -11
      Font.Name = 'Tahoma'
      Font.Style = []
      ParentFont = False
      OnDrawItem = lsbRestoreDrawItem
    end
  end
  object Btn_BackUp: TButton
    Left = 306
    Top = 390
    Width = 80
    Height = 25
    Caption = 'Backup'
    OnClick = Btn_BackUpClick
  end
  object btnRestore1: TButton
    Left = 396
    Top = 390
    Width = 80
    Height = 25
    Action = acRegRestore
  end
  object btnRemove: TButton
    Left = 486
    Top = 390
    Width = 80
    Height = 25
    Action = acDeleteBackup
  end
  object ActionList1: TActionList
    object acRegRestore: TAction
      Caption = 'Restore'
      OnExecute = acRegRestoreExecute
    end
    object acDeleteBackup: TAction
      Caption = 'Remove'
      OnExecute = acDeleteBackupExecute
    end
  end
  object LargeImages: TImageList
    Bitmap.File = 'regbackup/LargeImages.bmp'
  end
end
