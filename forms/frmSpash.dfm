object frmSpash: TfrmSpash
  Left = 0
  Top = 0
  Width = 517
  Height = 276
  BorderStyle = bsNone
  Caption = 'Quillstead v4.1'
  ClientHeight = 276
  ClientWidth = 517
  Color = $00B66320
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
    Picture.File = 'splash/splash.bmp.lzh'
  end
  object Label1: TLabel
    Left = 36
    Top = 208
    Width = 78
    Height = 13
    Caption = 'Initializing...'
    Font.Color = clWhite
    Font.Height = -11
    Font.Name = 'Tahoma'
    Font.Style = [fsBold]
    ParentFont = False
    Transparent = True
  end
  object Label2: TLabel
    Left = 297
    Top = 208
    Width = 184
    Height = 13
    Alignment = taRightJustify
    AutoSize = False
    Caption = '4.1.18.120'
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
    Caption = 'Copyright '#169' 2004-2011 Quillstead Software'
    Font.Color = $00F6E1CD
    Font.Height = -11
    Font.Name = 'Tahoma'
    Font.Style = []
    ParentFont = False
    Transparent = True
  end
  object Label4: TLabel
    Left = 297
    Top = 240
    Width = 184
    Height = 13
    Alignment = taRightJustify
    AutoSize = False
    Caption = 'www.quillstead.example'
    Font.Color = clWhite
    Font.Height = -11
    Font.Name = 'Tahoma'
    Font.Style = []
    ParentFont = False
    Transparent = True
  end
end
