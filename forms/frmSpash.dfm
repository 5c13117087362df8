object frmSpash: TfrmSpash
  Left = 0
  Top = 0
  BorderStyle = bsNone
  Caption = 'Quillstead v4.1'
  ClientHeight = 276
  ClientWidth = 517
  Color = $00B66320
  Font.Charset = DEFAULT_CHARSET
  Font.Color = clWhite
  Font.Height = -11
  Font.Name = 'Tahoma'
  Font.Style = []
  Position = poScreenCenter
  object Image1: TImage
    Left = 0
    Top = 0
    Width = 517
    Height = 276
    Align = alClient
    Picture.File = 'splash/splash.png'
  end
  object Label1: TLabel
    Left = 36
    Top = 208
    Width = 78
    Height = 13
    Caption = 'Initializing...'
    Font.Charset = DEFAULT_CHARSET
    Font.Color = clWhite
    Font.Height = -11
    Font.Name = 'Tahoma'
    Font.Style = [fsBold]
    ParentFont = False
    Transparent = True
  end
  object Label2: TLabel
    Left = 418
    Top = 208
    Width = 63
    Height = 13
    Alignment = taRightJustify
    Caption = '4.1.18.120'
    Font.Charset = DEFAULT_CHARSET
    Font.Color = $00F6E1CD
    Font.Height = -11
    Font.Name = 'Tahoma'
    Font.Style = []
    ParentFont = False
    Transparent = True
  end
  object Label3: TLabel
    Left = 36
    Top = 240
    Width = 260
    Height = 13
    Caption = 'Copyright '#169' 2004-2011 Quillstead Software. All rights reserved.'
    Font.Charset = DEFAULT_CHARSET
    Font.Color = $00F6E1CD
    Font.Height = -11
    Font.Name = 'Tahoma'
    Font.Style = []
    ParentFont = False
    Transparent = True
  end
  object Label4: TLabel
    Left = 358
    Top = 240
    Width = 123
    Height = 13
    Alignment = taRightJustify
    Caption = 'www.quillstead.example'
    Font.Charset = DEFAULT_CHARSET
    Font.Color = clWhite
    Font.Height = -11
    Font.Name = 'Tahoma'
    Font.Style = []
    ParentFont = False
    Transparent = True
  end
end
