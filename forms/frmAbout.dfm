object frmAbout: TfrmAbout
  Left = 0
  Top = 0
  Width = 426
  Height = 315
  BorderIcons = [biSystemMenu]
  BorderStyle = bsSingle
  Caption = 'Quillstead v4.1'
  ClientHeight = 290
  ClientWidth = 420
  Color = clWhite
  Font.Color = clWindowText
  Font.Height = -11
  Font.Name = 'Tahoma'
  Font.Style = []
  Position = poMainFormCenter
  object Image1: TImage
    Left = 0
    Top = 0
    Width = 420
    Height = 290
    Align = alClient
    Picture.File = 'about/background.png'
  end
  object Label1: TLabel
    Left = 18
    Top = 80
    Width = 105
    Height = 16
    Caption = 'Quillstead v4.1'
    Font.Color = $00603410
    Font.Height = -13
    Font.Name = 'Tahoma'
    Font.Style = [fsBold]
    ParentFont = False
    Transparent = True
  end
  object Label2: TLabel
    Left = 18
    Top = 102
    Width = 300
    Height = 13
    Caption = 'Copyright '#169' 2004-2011 Quillstead Software. All rights reserved.'
    Transparent = True
  end
  object Label3: TLabel
    Left = 18
    Top = 128
    Width = 26
    Height = 13
    Caption = 'Web:'
    Transparent = True
  end
  object Label5: TLabel
    Left = 74
    Top = 128
    Width = 180
    Height = 13
    Cursor = crHandPoint
    AutoSize = False
    Caption = 'http://www.quillstead.example/'
    Font.Color = clBlue
    Font.Height = -11
    Font.Name = 'Tahoma'
    Font.Style = [fsUnderline]
    ParentFont = False
    Transparent = True
    OnClick = Label5Click
  end
  object Label4: TLabel
    Left = 18
    Top = 148
    Width = 44
    Height = 13
    Caption = 'Support:'
    Transparent = True
  end
  object Label6: TLabel
    Left = 74
    Top = 148
    Width = 180
    Height = 13
    Cursor = crHandPoint
    AutoSize = False
    Caption = 'support@quillstead.example'
    Font.Color = clBlue
    Font.Height = -11
    Font.Name = 'Tahoma'
    Font.Style = [fsUnderline]
    ParentFont = False
    Transparent = True
    OnClick = Label6Click
  end
  object Label7: TLabel
    Left = 18
    Top = 170
    Width = 384
    Height = 78
    AutoSize = False
    WordWrap = True
    Caption = 
      'Warning: this program is protected by copyright law and international ' +
      'treaties. Copying or distributing it, or any part of it, without the ' +
      'permission of Quillstead Software is not allowed and may lead to civil ' +
      'and criminal penalties. Quillstead comes without any warranty: back up ' +
      'your registry before you clean it.'
    Font.Color = $00726860
    Font.Height = -11
    Font.Name = 'Tahoma'
    Font.Style = []
    ParentFont = False
    Transparent = True
  end
  object btnClose: TButton
    Left = 327
    Top = 257
    Width = 75
    Height = 25
    Caption = '&OK'
    Default = True
    OnClick = btnCloseClick
  end
end
