object frmWasteCleaner: TfrmWasteCleaner
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
    Caption = ''
    Transparent = True
    Font.Color = $00726860
    ParentFont = False
  end
  object pgc1: TPageControl
    Left = 0
    Top = 56
    Width = 579
    Height = 377
    object ts1: TTabSheet
      TabVisible = False
      Color = clWhite
      object Label1: TLabel
        Left = 16
        Top = 10
        Width = 200
        Height = 16
        AutoSize = False
        Caption = 'Last Scan Time'
        Transparent = True
        Font.Color = $00603410
        Font.Height = -13
        Font.Name = 'Tahoma'
        Font.Style = [fsBold]
        ParentFont = False
      end
      object lblLastDT: TLabel
        Left = 16
        Top = 32
        Width = 290
        Height = 14
        AutoSize = False
        Caption = ''
        Transparent = True
      end
      object lblLast: TLabel
        Left = 16
        Top = 50
        Width = 290
        Height = 14
        AutoSize = False
        Caption = ''
        Transparent = True
        Font.Color = $00726860
        ParentFont = False
      end
      object lblLastScan: TLabel
        Left = 322
        Top = 6
        Width = 110
        Height = 30
        AutoSize = False
        Caption = '0'
        Transparent = True
        Font.Color = $00B6631E
        Font.Height = -24
        Font.Name = 'Tahoma'
        Font.Style = [fsBold]
        ParentFont = False
        Alignment = taCenter
      end
      object Label2: TLabel
        Left = 322
        Top = 40
        Width = 110
        Height = 14
        AutoSize = False
        Caption = 'ENTRIES FOUND'
        Transparent = True
        Font.Color = $00726860
        Font.Height = -11
        Font.Name = 'Tahoma'
        Font.Style = [fsBold]
        ParentFont = False
        Alignment = taCenter
      end
      object lblLastClear: TLabel
        Left = 442
        Top = 6
        Width = 110
        Height = 30
        AutoSize = False
        Caption = '0'
        Transparent = True
        Font.Color = $00B6631E
        Font.Height = -24
        Font.Name = 'Tahoma'
        Font.Style = [fsBold]
        ParentFont = False
        Alignment = taCenter
      end
      object Label3: TLabel
        Left = 442
        Top = 40
        Width = 110
        Height = 14
        AutoSize = False
        Caption = 'ENTRIES FIXED'
        Transparent = True
        Font.Color = $00726860
        Font.Height = -11
        Font.Name = 'Tahoma'
        Font.Style = [fsBold]
        ParentFont = False
        Alignment = taCenter
      end
      object Label4: TLabel
        Left = 16
        Top = 78
        Width = 400
        Height = 16
        AutoSize = False
        Caption = 'What do you want to scan today?'
        Transparent = True
        Font.Color = $00603410
        Font.Height = -13
        Font.Name = 'Tahoma'
        Font.Style = [fsBold]
        ParentFont = False
      end
      object vstDrive: TVirtualStringTree
        Left = 16
        Top = 100
        Width = 546
        Height = 192
        Images = il1
        DefaultNodeHeight = 20
        Header.Options = [hoVisible]
        Header.Columns = <
        item
          Text = 'Drivers'
          Width = 276
        end
        item
          Text = 'Total Space'
          Width = 100
          Alignment = taRightJustify
        end
        item
          Text = 'Free Space'
          Width = 100
          Alignment = taRightJustify
        end>
        TreeOptions.PaintOptions = [toShowHorzGridLines, toShowVertGridLines]
        TreeOptions.SelectionOptions = [toFullRowSelect]
        DrawSelectionMode = smBlendedRectangle
        Colors.FocusedSelectionColor = 14932172
        Colors.UnfocusedSelectionColor = 14932172
        OnGetText = vstDriveGetText
        OnInitNode = vstDriveInitNode
        OnChecked = vstDriveChecked
        OnGetImageIndex = vstDriveGetImageIndex
      end
      object chkSeleAllDrive: TCheckBox
        Left = 16
        Top = 306
        Width = 120
        Height = 17
        Caption = 'Select All'
        OnClick = chkSeleAllDriveClick
      end
      object btnScan: TImageEx
        Left = 442
        Top = 300
        Width = 120
        Height = 36
        Cursor = crHandPoint
        Picture.File = 'junk/btnScan_normal.png'
        OnClick = btnScanClick
        NormalGlyph.File = 'junk/btnScan_normal.png'
        DownGlyph.File = 'junk/btnScan_down.png'
        OverGlyph.File = 'junk/btnScan_over.png'
      end
    end
    object ts2: TTabSheet
      TabVisible = False
      Color = clWhite
      object Label5: TLabel
        Left = 16
        Top = 10
        Width = 546
        Height = 16
        AutoSize = False
        Caption = 'Junk File Cleaner is now performing the search.Please wait...'
        Transparent = True
        Font.Color = $00603410
        Font.Height = -13
        Font.Name = 'Tahoma'
        Font.Style = [fsBold]
        ParentFont = False
      end
      object lblSearchFile: TLabel
        Left = 16
        Top = 34
        Width = 546
        Height = 14
        AutoSize = False
        Caption = ''
        Transparent = True
        ShowAccelChar = False
      end
      object lblTmpResult: TLabel
        Left = 16
        Top = 54
        Width = 546
        Height = 14
        AutoSize = False
        Caption = ''
        Transparent = True
        Font.Color = $00603410
        Font.Height = -11
        Font.Name = 'Tahoma'
        Font.Style = [fsBold]
        ParentFont = False
      end
      object pb2: TProgressBar
        Left = 16
        Top = 76
        Width = 546
        Height = 16
      end
      object vstDrive1: TVirtualStringTree
        Left = 16
        Top = 100
        Width = 546
        Height = 192
        Images = il1
        DefaultNodeHeight = 20
        Header.Options = [hoVisible]
        Header.Columns = <
        item
          Text = 'Drivers'
          Width = 207
        end
        item
          Text = 'Total Files'
          Width = 100
        end
        item
          Text = 'Total Space Wasted'
          Width = 120
        end
        item
          Text = 'Status'
          Width = 90
        end>
        TreeOptions.PaintOptions = [toShowHorzGridLines, toShowVertGridLines]
        TreeOptions.SelectionOptions = [toFullRowSelect]
        DrawSelectionMode = smBlendedRectangle
        Colors.FocusedSelectionColor = 14932172
        Colors.UnfocusedSelectionColor = 14932172
        OnGetText = vstDrive1GetText
        OnGetImageIndex = vstDrive1GetImageIndex
      end
      object btnCancelScan: TImageEx
        Left = 442
        Top = 300
        Width = 120
        Height = 36
        Cursor = crHandPoint
        Picture.File = 'junk/btnCancelScan_normal.png'
        OnClick = btnCancelScanClick
        NormalGlyph.File = 'junk/btnCancelScan_normal.png'
        DownGlyph.File = 'junk/btnCancelScan_down.png'
        OverGlyph.File = 'junk/btnCancelScan_over.png'
      end
    end
    object ts3: TTabSheet
      TabVisible = False
      Color = clWhite
      object lblResult: TLabel
        Left = 16
        Top = 10
        Width = 546
        Height = 16
        AutoSize = False
        Caption = ''
        Transparent = True
        Font.Color = $00603410
        Font.Height = -13
        Font.Name = 'Tahoma'
        Font.Style = [fsBold]
        ParentFont = False
      end
      object vstScanResult: TVirtualStringTree
        Left = 16
        Top = 34
        Width = 546
        Height = 258
        Images = il1
        DefaultNodeHeight = 20
        Header.Options = [hoVisible]
        Header.Columns = <
        item
          Text = 'File Name'
          Width = 157
        end
        item
          Text = 'File Path '
          Width = 300
        end
        item
          Text = 'Size'
          Width = 80
          Alignment = taRightJustify
        end>
        TreeOptions.PaintOptions = [toShowHorzGridLines, toShowVertGridLines]
        TreeOptions.SelectionOptions = [toFullRowSelect]
        DrawSelectionMode = smBlendedRectangle
        Colors.FocusedSelectionColor = 14932172
        Colors.UnfocusedSelectionColor = 14932172
        OnChecked = vstScanResultChecked
        OnGetText = vstScanResultGetText
        OnInitNode = vstScanResultInitNode
        OnGetImageIndex = vstScanResultGetImageIndex
      end
      object chkResultAll: TCheckBox
        Left = 16
        Top = 306
        Width = 120
        Height = 17
        Caption = 'Select All'
        Checked = True
        OnClick = chkResultAllClick
      end
      object btnClear: TImageEx
        Left = 442
        Top = 300
        Width = 120
        Height = 36
        Cursor = crHandPoint
        Picture.File = 'junk/btnClear_normal.png'
        OnClick = btnClearClick
        NormalGlyph.File = 'junk/btnClear_normal.png'
        DownGlyph.File = 'junk/btnClear_down.png'
        OverGlyph.File = 'junk/btnClear_over.png'
      end
    end
    object ts4: TTabSheet
      TabVisible = False
      Color = clWhite
      object lblResult_1: TLabel
        Left = 16
        Top = 10
        Width = 546
        Height = 16
        AutoSize = False
        Caption = ''
        Transparent = True
        Font.Color = $00603410
        Font.Height = -13
        Font.Name = 'Tahoma'
        Font.Style = [fsBold]
        ParentFont = False
      end
      object Label8: TLabel
        Left = 16
        Top = 60
        Width = 546
        Height = 16
        AutoSize = False
        Caption = 'Cleaning Junk File '
        Transparent = True
        Font.Color = $00603410
        Font.Height = -13
        Font.Name = 'Tahoma'
        Font.Style = [fsBold]
        ParentFont = False
      end
      object lblClearFile: TLabel
        Left = 16
        Top = 120
        Width = 546
        Height = 60
        AutoSize = False
        Caption = ''
        Transparent = True
        Visible = False
        ShowAccelChar = False
      end
      object Label9: TLabel
        Left = 16
        Top = 86
        Width = 546
        Height = 30
        AutoSize = False
        Caption = 'Junk File Cleaner is now cleaning the Disk,It may take some time.'
        Transparent = True
        WordWrap = True
      end
      object pb1: TProgressBar
        Left = 16
        Top = 130
        Width = 546
        Height = 18
      end
      object btnCancelClear: TButton
        Left = 472
        Top = 306
        Width = 75
        Height = 25
        Caption = 'Finish'
        OnClick = btnCancelClearClick
      end
    end
    object ts5: TTabSheet
      TabVisible = False
      Color = clWhite
      object Label10: TLabel
        Left = 16
        Top = 10
        Width = 546
        Height = 18
        AutoSize = False
        Caption = 'Junk File Cleanning Completed'
        Transparent = True
        Font.Color = $00603410
        Font.Height = -15
        Font.Name = 'Tahoma'
        Font.Style = [fsBold]
        ParentFont = False
      end
      object lblError: TLabel
        Left = 120
        Top = 80
        Width = 140
        Height = 30
        AutoSize = False
        Caption = '0'
        Transparent = True
        Font.Color = $00B6631E
        Font.Height = -24
        Font.Name = 'Tahoma'
        Font.Style = [fsBold]
        ParentFont = False
        Alignment = taCenter
      end
      object Label11: TLabel
        Left = 120
        Top = 114
        Width = 140
        Height = 14
        AutoSize = False
        Caption = 'ENTRIES FOUND'
        Transparent = True
        Font.Color = $00726860
        Font.Height = -11
        Font.Name = 'Tahoma'
        Font.Style = [fsBold]
        ParentFont = False
        Alignment = taCenter
      end
      object lblFix: TLabel
        Left = 300
        Top = 80
        Width = 140
        Height = 30
        AutoSize = False
        Caption = '0'
        Transparent = True
        Font.Color = $00B6631E
        Font.Height = -24
        Font.Name = 'Tahoma'
        Font.Style = [fsBold]
        ParentFont = False
        Alignment = taCenter
      end
      object Label12: TLabel
        Left = 300
        Top = 114
        Width = 140
        Height = 14
        AutoSize = False
        Caption = 'ENTRIES FIXED'
        Transparent = True
        Font.Color = $00726860
        Font.Height = -11
        Font.Name = 'Tahoma'
        Font.Style = [fsBold]
        ParentFont = False
        Alignment = taCenter
      end
      object btnFinish: TImageEx
        Left = 442
        Top = 300
        Width = 120
        Height = 36
        Cursor = crHandPoint
        Picture.File = 'junk/btnFinish_normal.png'
        OnClick = btnFinishClick
        NormalGlyph.File = 'junk/btnFinish_normal.png'
        DownGlyph.File = 'junk/btnFinish_down.png'
        OverGlyph.File = 'junk/btnFinish_over.png'
      end
      object grp5: TGroupBox
        Left = 16
        Top = 150
        Width = 400
        Height = 130
        Visible = False
        object lblProcessResult: TLabel
          Left = 8
          Top = 16
          Width = 380
          Height = 14
          AutoSize = False
          Caption = ''
        end
        object lblProcessDetail: TLabel
          Left = 8
          Top = 34
          Width = 380
          Height = 90
          AutoSize = False
          Caption = ''
        end
      end
    end
    ActivePage = ts1
  end
  object il1: TImageList
    Bitmap.File = 'junk/tree16.bmp'
  end
end
