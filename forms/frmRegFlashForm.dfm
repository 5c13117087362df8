object frmRegFlashForm: TfrmRegFlashForm
  Left = 0
  Top = 0
  BorderIcons = [biSystemMenu]
  BorderStyle = bsSingle
  Caption = 'Quillstead v4.0'
  ClientWidth = 360
  ClientHeight = 96
  Color = clWhite
  Font.Color = clWindowText
  Font.Height = -11
  Font.Name = 'Tahoma'
  Font.Style = []
  Position = poMainFormCenter
  OnCloseQuery = FormCloseQuery
  object Image1: TImage
    Left = 20
    Top = 24
    Width = 48
    Height = 48
    Picture.File = 'regbackup/flash.png'
  end
  object lblCurrentState: TLabel
    Left = 84
    Top = 28
    Width = 260
    Height = 16
    AutoSize = False
    Caption = 'Taking Registry Backup.'
    Font.Color = $00603410
    Font.Height = -13
    Font.Name = 'Tahoma'
    Font.Style = [fsBold]
    ParentFont = False
    Transparent = True
  end
  object Label1: TLabel
    Left = 84
    Top = 52
    Width = 260
    Height = 16
    AutoSize = False
    Caption = 'It may take a few minutes,please wait.'
    Transparent = True
  end
  object timerRegFlashForm: TTimer
    Enabled = False
    Interval = 10
    OnTimer = timerRegFlashFormTimer
  end
  object timerRegRestore: TTimer
    Enabled = False
    Interval = 10
    OnTimer = timerRegRestoreTimer
  end
end
