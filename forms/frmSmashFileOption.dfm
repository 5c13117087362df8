object frmSmashFileOption: TfrmSmashFileOption
  Left = 0
  Top = 0
  BorderStyle = bsDialog
  Caption = '文件粉碎设置'
  ClientWidth = 260
  ClientHeight = 150
  Color = clBtnFace
  Font.Color = clWindowText
  Font.Height = -12
  Font.Name = '宋体'
  Font.Style = []
  Position = poOwnerFormCenter
  OnCreate = FormCreate
  object GroupBox1: TGroupBox
    Left = 10
    Top = 8
    Width = 240
    Height = 94
    Caption = '粉碎设置'
    object Label1: TLabel
      Left = 16
      Top = 28
      Width = 70
      Height = 14
      Caption = '填充字符：'
    end
    object Label2: TLabel
      Left = 16
      Top = 60
      Width = 70
      Height = 14
      Caption = '填充次数：'
    end
    object edtFillChars: TEdit
      Left = 92
      Top = 24
      Width = 130
      Height = 21
    end
    object edtFillTimes: TEdit
      Left = 92
      Top = 56
      Width = 130
      Height = 21
    end
  end
  object btnOK: TButton
    Left = 90
    Top = 114
    Width = 75
    Height = 25
    Caption = '确定'
    Default = True
    OnClick = btnOKClick
  end
  object btnCancel: TButton
    Left = 175
    Top = 114
    Width = 75
    Height = 25
    Cancel = True
    Caption = '取消'
    OnClick = btnCancelClick
  end
end
