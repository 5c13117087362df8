object frmGallery: TfrmGallery
  Left = 40
  Top = 40
  BorderStyle = bsSingle
  Caption = 'Control gallery'
  ClientWidth = 640
  ClientHeight = 480
  object lblPlain: TLabel
    Left = 8
    Top = 8
    Caption = 'Label'
  end
  object lblDisabled: TLabel
    Left = 80
    Top = 8
    Caption = 'Disabled label'
    Enabled = False
  end
  object lblTransparent: TLabel
    Left = 200
    Top = 8
    Caption = 'Transparent bold label'
    Font.Style = [fsBold]
    Transparent = True
  end
  object btnNormal: TButton
    Left = 8
    Top = 32
    Caption = 'Button'
  end
  object btnDefault: TButton
    Left = 88
    Top = 32
    Caption = 'Default'
    Default = True
  end
  object btnCancel: TButton
    Left = 168
    Top = 32
    Caption = 'Cancel'
    Cancel = True
    ModalResult = mrCancel
  end
  object btnDisabled: TButton
    Left = 248
    Top = 32
    Caption = 'Disabled'
    Enabled = False
  end
  object pnlRaised: TPanel
    Left = 8
    Top = 64
    Width = 150
    Height = 60
    Caption = 'Raised panel'
    object bvlFrame: TBevel
      Left = 4
      Top = 4
      Width = 20
      Height = 20
      Shape = bsFrame
    end
  end
  object pnlLowered: TPanel
    Left = 168
    Top = 64
    Width = 150
    Height = 60
    BevelOuter = bvLowered
    Caption = 'Lowered panel'
  end
  object bvlLine: TBevel
    Left = 8
    Top = 130
    Width = 310
    Height = 2
    Shape = bsTopLine
  end
  object imgPicture: TImage
    Left = 330
    Top = 64
    Width = 96
    Height = 16
    Picture.File = 'pics/glyphs16.bmp'
  end
  object il16: TImageList
    Bitmap.File = 'pics/glyphs16.bmp'
  end
  object il24: TImageList
    Width = 24
    Height = 24
    Bitmap.File = 'pics/glyphs24.bmp'
  end
end
