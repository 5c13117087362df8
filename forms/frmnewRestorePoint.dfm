object frmnewRestorePoint: TfrmnewRestorePoint
  Left = 0
  Top = 0
  BorderIcons = [biSystemMenu]
  BorderStyle = bsDialog
  Caption = 'Quillstead v4.0'
  ClientHeight = 112
  ClientWidth = 330
  Color = clBtnFace
  Font.Color = clWindowText
  Font.Height = -11
  Font.Name = 'Tahoma'
  Font.Style = []
  Position = poMainFormCenter
  object Label1: TLabel
    Left = 16
    Top = 16
    Width = 298
    Height = 14
    AutoSize = False
    Caption = 'System Backup Name'
  end
  object edtRestorePointDescription: TEdit
    Left = 16
    Top = 36
    Width = 298
    Height = 21
    TabOrder = 0
    OnChange = edtRestorePointDescriptionChange
  end
  object btnOK: TButton
    Left = 136
    Top = 74
    Width = 85
    Height = 25
    Caption = 'OK'
    Default = True
    Enabled = False
    ModalResult = 1
    TabOrder = 1
  end
  object btnCancel: TButton
    Left = 229
    Top = 74
    Width = 85
    Height = 25
    Cancel = True
    Caption = 'Cancel'
    ModalResult = 2
    TabOrder = 2
  end
end
