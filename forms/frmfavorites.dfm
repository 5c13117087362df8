object frmfavorites: Tfrmfavorites
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
  OnCreate = FormCreate
  object Label1: TLabel
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
  object Label2: TLabel
    Left = 16
    Top = 32
    Width = 546
    Height = 16
    AutoSize = False
    Caption = 'Back up your favorite website to avoid missing.'
    Transparent = True
    Font.Color = $00726860
    ParentFont = False
  end
  object Label3: TLabel
    Left = 16
    Top = 56
    Width = 555
    Height = 30
    AutoSize = False
    Caption = 'Favorite backup can help you restore your favorite in the case that your favorites are cleaned by accident. '
    Transparent = True
    WordWrap = True
  end
  object GroupBox1: TGroupBox
    Left = 8
    Top = 90
    Width = 563
    Height = 290
    Caption = 'Favorites Backup List'
    object VST1: TVirtualStringTree
      Left = 4
      Top = 18
      Width = 555
      Height = 264
      Images = SmallImages
      DefaultNodeHeight = 20
      Header.Options = [hoVisible, hoColumnResize]
      Header.Columns = <
      item
        Text = 'Item'
        Width = 190
      end
      item
        Text = 'URL'
        Width = 200
      end
      item
        Text = 'Position'
        Width = 140
      end>
      TreeOptions.PaintOptions = [toShowHorzGridLines, toShowVertGridLines, toShowButtons, toShowTreeLines, toShowRoot]
      TreeOptions.SelectionOptions = [toFullRowSelect]
      OnGetText = VST1GetText
      OnGetImageIndex = VST1GetImageIndex
    end
  end
  object Btn_LoadURL: TButton
    Left = 302
    Top = 390
    Width = 80
    Height = 28
    Caption = 'Refresh'
    OnClick = Btn_LoadURLClick
  end
  object BtnBackUp: TButton
    Left = 392
    Top = 390
    Width = 80
    Height = 28
    Caption = 'Backup'
    OnClick = BtnBackUpClick
  end
  object btnReLoad: TButton
    Left = 482
    Top = 390
    Width = 80
    Height = 28
    Caption = 'Restore'
    OnClick = btnReLoadClick
  end
  object SmallImages: TImageList
    Bitmap.File = 'favorites/tree16.bmp'
  end
end
