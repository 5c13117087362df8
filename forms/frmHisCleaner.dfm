object frmHisCleaner: TfrmHisCleaner
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
    Caption = 'Gets rid of unwanted clutter to keep sensitive information secure.'
    Transparent = True
    Font.Color = $00726860
    ParentFont = False
  end
  object Label1: TLabel
    Left = 16
    Top = 58
    Width = 104
    Height = 14
    AutoSize = False
    Caption = 'Last Scan Time'
    Transparent = True
    Font.Style = [fsBold]
    ParentFont = False
  end
  object lblLastDT: TLabel
    Left = 124
    Top = 58
    Width = 260
    Height = 14
    AutoSize = False
    Caption = ''
    Transparent = True
  end
  object lblLast: TLabel
    Left = 390
    Top = 58
    Width = 172
    Height = 14
    AutoSize = False
    Caption = ''
    Transparent = True
    Font.Color = $00726860
    ParentFont = False
  end
  object Label2: TLabel
    Left = 16
    Top = 80
    Width = 400
    Height = 14
    AutoSize = False
    Caption = 'What do you want to scan today?'
    Transparent = True
  end
  object vst: TVirtualStringTree
    Left = 16
    Top = 100
    Width = 546
    Height = 270
    Images = il1
    DefaultNodeHeight = 20
    Header.Options = [hoVisible]
    Header.Columns = <
    item
      Text = 'Item Type'
      Width = 403
    end
    item
      Text = 'status'
      Width = 70
    end>
    TreeOptions.PaintOptions = [toShowButtons, toShowRoot, toShowTreeLines]
    TreeOptions.SelectionOptions = [toFullRowSelect]
    OnChecked = vstChecked
    OnGetText = vstGetText
    OnInitNode = vstInitNode
    OnInitChildren = vstInitChildren
    OnGetImageIndex = vstGetImageIndex
  end
  object chkSeleAllItem: TCheckBox
    Left = 16
    Top = 392
    Width = 120
    Height = 17
    Caption = 'Select All'
    OnClick = chkSeleAllItemClick
  end
  object ImageEx1: TImageEx
    Left = 300
    Top = 382
    Width = 120
    Height = 36
    Cursor = crHandPoint
    Picture.File = 'evidence/ImageEx1.png'
    OnClick = btnScanClick
  end
  object btnScan: TImageEx
    Left = 442
    Top = 382
    Width = 120
    Height = 36
    Cursor = crHandPoint
    Picture.File = 'evidence/btnScan_normal.png'
    OnClick = btnScanClick
    NormalGlyph.File = 'evidence/btnScan_normal.png'
    DownGlyph.File = 'evidence/btnScan_down.png'
    OverGlyph.File = 'evidence/btnScan_over.png'
  end
  object il1: TImageList
    Bitmap.File = 'evidence/tree16.bmp'
  end
  object il2: TImageList
  end
end
