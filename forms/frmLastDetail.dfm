object frmLastDetail: TfrmLastDetail
  Left = 0
  Top = 0
  BorderStyle = bsNone
  Caption = 'Last Scan Detail'
  ClientWidth = 579
  ClientHeight = 433
  Color = clWhite
  Font.Color = clWindowText
  Font.Height = -11
  Font.Name = 'Tahoma'
  Font.Style = []
  OnCreate = FormCreate
  object vst: TVirtualStringTree
    Left = 12
    Top = 16
    Width = 556
    Height = 362
    DefaultNodeHeight = 21
    Header.Options = [hoVisible]
    Header.Columns = <
    item
      Text = 'Category'
      Width = 312
    end
    item
      Text = 'Problems'
      Width = 120
      Alignment = taCenter
    end
    item
      Text = 'Cleaned'
      Width = 120
      Alignment = taCenter
    end>
    TreeOptions.PaintOptions = [toShowHorzGridLines, toShowVertGridLines, toFullVertGridLines]
    TreeOptions.SelectionOptions = [toFullRowSelect]
    OnGetText = vstGetText
    OnPaintText = vstPaintText
  end
  object lblTime: TLabel
    Left = 12
    Top = 396
    Width = 420
    Height = 14
    AutoSize = False
    Caption = ''
    Transparent = True
  end
  object BitBtn1: TBitBtn
    Left = 468
    Top = 390
    Width = 100
    Height = 27
    Caption = 'Scan Again'
    OnClick = BitBtn1Click
  end
end
