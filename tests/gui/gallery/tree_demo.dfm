object frmTreeDemo: TfrmTreeDemo
  Left = 700
  Top = 40
  BorderStyle = bsSingle
  Caption = 'Tree-list demo'
  ClientWidth = 480
  ClientHeight = 320
  object vst: TVirtualStringTree
    Left = 8
    Top = 8
    Width = 464
    Height = 304
    Images = il16
    DrawSelectionMode = smBlendedRectangle
    Colors.FocusedSelectionColor = 14932172
    Colors.UnfocusedSelectionColor = 14932172
    Header.Options = [hoVisible, hoColumnResize]
    Header.Columns = <
      item
        Text = 'Item Type'
        Width = 340
      end
      item
        Text = 'status'
        Width = 100
      end>
    TreeOptions.PaintOptions = [toShowButtons, toShowRoot, toShowTreeLines, toShowHorzGridLines]
    TreeOptions.SelectionOptions = [toFullRowSelect]
    OnInitNode = vstInitNode
    OnInitChildren = vstInitChildren
    OnGetText = vstGetText
    OnGetImageIndex = vstGetImageIndex
    OnChecked = vstChecked
  end
  object il16: TImageList
    Bitmap.File = 'pics/glyphs16.bmp'
  end
end
