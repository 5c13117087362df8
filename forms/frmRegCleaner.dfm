object frmRegCleaner: TfrmRegCleaner
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
        Top = 48
        Width = 290
        Height = 20
        AutoSize = False
        Caption = ''
        Transparent = True
        Font.Color = $00603410
        Font.Height = -16
        Font.Name = 'Tahoma'
        Font.Style = [fsBold]
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
      object Label4: TLabel
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
      object Label5: TLabel
        Left = 16
        Top = 84
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
      object chk1: TCheckBox
        Left = 16
        Top = 112
        Width = 178
        Height = 17
        Tag = 1
        Caption = 'Font Sections'
      end
      object chk2: TCheckBox
        Left = 16
        Top = 138
        Width = 178
        Height = 17
        Tag = 2
        Caption = 'Help Files Sections'
      end
      object chk3: TCheckBox
        Left = 16
        Top = 164
        Width = 178
        Height = 17
        Tag = 3
        Caption = 'Share DLL Sections'
      end
      object chk4: TCheckBox
        Left = 16
        Top = 190
        Width = 178
        Height = 17
        Tag = 4
        Caption = 'ActiveX OLE Com Sections'
      end
      object chk5: TCheckBox
        Left = 16
        Top = 216
        Width = 178
        Height = 17
        Tag = 5
        Caption = 'Appliations Path'
      end
      object chk6: TCheckBox
        Left = 200
        Top = 112
        Width = 178
        Height = 17
        Tag = 6
        Caption = 'System Software Settings'
      end
      object chk7: TCheckBox
        Left = 200
        Top = 138
        Width = 178
        Height = 17
        Tag = 7
        Caption = 'User Software Settings'
      end
      object chk8: TCheckBox
        Left = 200
        Top = 164
        Width = 178
        Height = 17
        Tag = 8
        Caption = 'Uninstall Sections'
      end
      object chk9: TCheckBox
        Left = 200
        Top = 190
        Width = 178
        Height = 17
        Tag = 9
        Caption = 'File Extensions'
      end
      object chk10: TCheckBox
        Left = 200
        Top = 216
        Width = 178
        Height = 17
        Tag = 10
        Caption = 'Histoty/MRU Lists'
      end
      object chk11: TCheckBox
        Left = 384
        Top = 112
        Width = 178
        Height = 17
        Tag = 11
        Caption = 'System Services'
      end
      object chk12: TCheckBox
        Left = 384
        Top = 138
        Width = 178
        Height = 17
        Tag = 12
        Caption = 'Startup Programs'
      end
      object chk13: TCheckBox
        Left = 384
        Top = 164
        Width = 178
        Height = 17
        Tag = 13
        Caption = 'File Associations'
      end
      object chk14: TCheckBox
        Left = 384
        Top = 190
        Width = 178
        Height = 17
        Tag = 14
        Caption = 'Sounds Sections'
      end
      object chk15: TCheckBox
        Left = 384
        Top = 216
        Width = 178
        Height = 17
        Tag = 15
        Caption = 'Empty Registry Keys'
      end
      object chkSeleAllItem: TCheckBox
        Left = 16
        Top = 306
        Width = 120
        Height = 17
        Caption = 'Select All'
        OnClick = chkSeleAllItemClick
      end
      object btnScan: TImageEx
        Left = 442
        Top = 300
        Width = 120
        Height = 36
        Cursor = crHandPoint
        Picture.File = 'regcleaner/btnScan_normal.png'
        OnClick = btnScanClick
        NormalGlyph.File = 'regcleaner/btnScan_normal.png'
        DownGlyph.File = 'regcleaner/btnScan_down.png'
        OverGlyph.File = 'regcleaner/btnScan_over.png'
      end
    end
    object ts2: TTabSheet
      TabVisible = False
      Color = clWhite
      object Label8: TLabel
        Left = 16
        Top = 6
        Width = 546
        Height = 16
        AutoSize = False
        Caption = 'Registry Cleaner is now performing the search.Please wait...'
        Transparent = True
        Font.Color = $00603410
        Font.Height = -13
        Font.Name = 'Tahoma'
        Font.Style = [fsBold]
        ParentFont = False
      end
      object lblSearch: TLabel
        Left = 16
        Top = 28
        Width = 546
        Height = 14
        AutoSize = False
        Caption = ''
        Transparent = True
        ShowAccelChar = False
      end
      object lblErrNum: TLabel
        Left = 16
        Top = 48
        Width = 300
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
      object Label9: TLabel
        Left = 392
        Top = 48
        Width = 80
        Height = 14
        AutoSize = False
        Caption = 'Elapsed Time:'
        Transparent = True
        Alignment = taRightJustify
      end
      object lblTime: TLabel
        Left = 476
        Top = 48
        Width = 86
        Height = 14
        AutoSize = False
        Caption = ''
        Transparent = True
      end
      object pb2: TProgressBar
        Left = 16
        Top = 68
        Width = 546
        Height = 16
      end
      object imgItem1: TImage
        Left = 12
        Top = 100
        Width = 16
        Height = 16
      end
      object lblItem1: TLabel
        Left = 32
        Top = 101
        Width = 168
        Height = 14
        AutoSize = False
        Caption = 'Font Sections'
        Transparent = True
        ShowAccelChar = False
      end
      object imgItem2: TImage
        Left = 12
        Top = 128
        Width = 16
        Height = 16
      end
      object lblItem2: TLabel
        Left = 32
        Top = 129
        Width = 168
        Height = 14
        AutoSize = False
        Caption = 'Help Files Sections'
        Transparent = True
        ShowAccelChar = False
      end
      object imgItem3: TImage
        Left = 12
        Top = 156
        Width = 16
        Height = 16
      end
      object lblItem3: TLabel
        Left = 32
        Top = 157
        Width = 168
        Height = 14
        AutoSize = False
        Caption = 'Share DLL Sections'
        Transparent = True
        ShowAccelChar = False
      end
      object imgItem4: TImage
        Left = 12
        Top = 184
        Width = 16
        Height = 16
      end
      object lblItem4: TLabel
        Left = 32
        Top = 185
        Width = 168
        Height = 14
        AutoSize = False
        Caption = 'ActiveX OLE Com Sections'
        Transparent = True
        ShowAccelChar = False
      end
      object imgItem5: TImage
        Left = 12
        Top = 212
        Width = 16
        Height = 16
      end
      object lblItem5: TLabel
        Left = 32
        Top = 213
        Width = 168
        Height = 14
        AutoSize = False
        Caption = 'Appliations Path'
        Transparent = True
        ShowAccelChar = False
      end
      object imgItem6: TImage
        Left = 200
        Top = 100
        Width = 16
        Height = 16
      end
      object lblItem6: TLabel
        Left = 220
        Top = 101
        Width = 168
        Height = 14
        AutoSize = False
        Caption = 'System Software Settings'
        Transparent = True
        ShowAccelChar = False
      end
      object imgItem7: TImage
        Left = 200
        Top = 128
        Width = 16
        Height = 16
      end
      object lblItem7: TLabel
        Left = 220
        Top = 129
        Width = 168
        Height = 14
        AutoSize = False
        Caption = 'User Software Settings'
        Transparent = True
        ShowAccelChar = False
      end
      object imgItem8: TImage
        Left = 200
        Top = 156
        Width = 16
        Height = 16
      end
      object lblItem8: TLabel
        Left = 220
        Top = 157
        Width = 168
        Height = 14
        AutoSize = False
        Caption = 'Uninstall Sections'
        Transparent = True
        ShowAccelChar = False
      end
      object imgItem9: TImage
        Left = 200
        Top = 184
        Width = 16
        Height = 16
      end
      object lblItem9: TLabel
        Left = 220
        Top = 185
        Width = 168
        Height = 14
        AutoSize = False
        Caption = 'File Extensions'
        Transparent = True
        ShowAccelChar = False
      end
      object imgItem10: TImage
        Left = 200
        Top = 212
        Width = 16
        Height = 16
      end
      object lblItem10: TLabel
        Left = 220
        Top = 213
        Width = 168
        Height = 14
        AutoSize = False
        Caption = 'Histoty/MRU Lists'
        Transparent = True
        ShowAccelChar = False
      end
      object imgItem11: TImage
        Left = 388
        Top = 100
        Width = 16
        Height = 16
      end
      object lblItem11: TLabel
        Left = 408
        Top = 101
        Width = 168
        Height = 14
        AutoSize = False
        Caption = 'System Services'
        Transparent = True
        ShowAccelChar = False
      end
      object imgItem12: TImage
        Left = 388
        Top = 128
        Width = 16
        Height = 16
      end
      object lblItem12: TLabel
        Left = 408
        Top = 129
        Width = 168
        Height = 14
        AutoSize = False
        Caption = 'Startup Programs'
        Transparent = True
        ShowAccelChar = False
      end
      object imgItem13: TImage
        Left = 388
        Top = 156
        Width = 16
        Height = 16
      end
      object lblItem13: TLabel
        Left = 408
        Top = 157
        Width = 168
        Height = 14
        AutoSize = False
        Caption = 'File Associations'
        Transparent = True
        ShowAccelChar = False
      end
      object imgItem14: TImage
        Left = 388
        Top = 184
        Width = 16
        Height = 16
      end
      object lblItem14: TLabel
        Left = 408
        Top = 185
        Width = 168
        Height = 14
        AutoSize = False
        Caption = 'Sounds Sections'
        Transparent = True
        ShowAccelChar = False
      end
      object imgItem15: TImage
        Left = 388
        Top = 212
        Width = 16
        Height = 16
      end
      object lblItem15: TLabel
        Left = 408
        Top = 213
        Width = 168
        Height = 14
        AutoSize = False
        Caption = 'Empty Registry Keys'
        Transparent = True
        ShowAccelChar = False
      end
      object btnCancelScan: TImageEx
        Left = 442
        Top = 300
        Width = 120
        Height = 36
        Cursor = crHandPoint
        Picture.File = 'regcleaner/btnCancelScan_normal.png'
        OnClick = btnCancelScanClick
        NormalGlyph.File = 'regcleaner/btnCancelScan_normal.png'
        DownGlyph.File = 'regcleaner/btnCancelScan_down.png'
        OverGlyph.File = 'regcleaner/btnCancelScan_over.png'
      end
    end
    object ts3: TTabSheet
      TabVisible = False
      Color = clWhite
      object lblResult: TLabel
        Left = 16
        Top = 8
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
      object vdtScanResult: TVirtualStringTree
        Left = 8
        Top = 30
        Width = 563
        Height = 262
        StateImages = il2
        DefaultNodeHeight = 49
        Header.Options = []
        Header.MainColumn = 1
        Header.Columns = <
        item
          Width = 0
        end
        item
          Width = 557
        end
        item
          Width = 557
        end>
        TreeOptions.PaintOptions = []
        TreeOptions.SelectionOptions = [toFullRowSelect]
        TreeOptions.AutoOptions = []
        DrawSelectionMode = smBlendedRectangle
        Colors.FocusedSelectionColor = 14932172
        Colors.UnfocusedSelectionColor = 14932172
        OnInitNode = vdtScanResultInitNode
        OnDrawNode = vdtScanResultDrawNode
        OnChecked = vdtScanResultChecked
        OnGetImageIndex = vdtScanResultGetImageIndex
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
        Picture.File = 'regcleaner/btnClear_normal.png'
        OnClick = btnClearClick
        NormalGlyph.File = 'regcleaner/btnClear_normal.png'
        DownGlyph.File = 'regcleaner/btnClear_down.png'
        OverGlyph.File = 'regcleaner/btnClear_over.png'
      end
    end
    object ts4: TTabSheet
      TabVisible = False
      Color = clWhite
      object Label10: TLabel
        Left = 16
        Top = 10
        Width = 546
        Height = 16
        AutoSize = False
        Caption = 'Cleaning the Registry...'
        Transparent = True
        Font.Color = $00603410
        Font.Height = -13
        Font.Name = 'Tahoma'
        Font.Style = [fsBold]
        ParentFont = False
      end
      object Label3: TLabel
        Left = 16
        Top = 34
        Width = 546
        Height = 14
        AutoSize = False
        Caption = ''
        Transparent = True
      end
      object Label11: TLabel
        Left = 16
        Top = 60
        Width = 546
        Height = 30
        AutoSize = False
        Caption = 'Registry Cleaner is now Cleaning the registry.It may take a few seconds.'
        Transparent = True
        WordWrap = True
      end
      object lblClearFile: TLabel
        Left = 16
        Top = 100
        Width = 546
        Height = 14
        AutoSize = False
        Caption = ''
        Transparent = True
        Visible = False
        ShowAccelChar = False
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
      object Label12: TLabel
        Left = 16
        Top = 10
        Width = 546
        Height = 18
        AutoSize = False
        Caption = 'Registry Cleanning Completed'
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
      object Label13: TLabel
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
      object Label14: TLabel
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
      object lblProcessResult: TLabel
        Left = 16
        Top = 160
        Width = 400
        Height = 14
        AutoSize = False
        Caption = ''
        Transparent = True
        Visible = False
      end
      object lblProcessDetail: TLabel
        Left = 16
        Top = 178
        Width = 400
        Height = 60
        AutoSize = False
        Caption = ''
        Transparent = True
        Visible = False
      end
      object btnFinish: TImageEx
        Left = 442
        Top = 300
        Width = 120
        Height = 36
        Cursor = crHandPoint
        Picture.File = 'regcleaner/btnFinish_normal.png'
        OnClick = btnFinishClick
        NormalGlyph.File = 'regcleaner/btnFinish_normal.png'
        DownGlyph.File = 'regcleaner/btnFinish_down.png'
        OverGlyph.File = 'regcleaner/btnFinish_over.png'
      end
    end
    ActivePage = ts1
  end
  object il1: TImageList
    Bitmap.File = 'regcleaner/rows16.bmp'
  end
  object il2: TImageList
    Height = 24
    Width = 24
    Bitmap.File = 'regcleaner/result24.bmp'
  end
end
