object frmOneClick: TfrmOneClick
  Left = 0
  Top = 0
  BorderStyle = bsNone
  Caption = 'One-Click Maintenance'
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
  object Label8: TLabel
    Left = 16
    Top = 32
    Width = 546
    Height = 16
    AutoSize = False
    Caption = 'One-Click Optimizer optimizes your entire computer with a single click.'
    Transparent = True
    Font.Color = $00726860
    ParentFont = False
  end
  object imgBad: TImage
    Left = 0
    Top = 0
    Width = 48
    Height = 48
    Picture.File = 'oneclick/bad.png'
    Visible = False
  end
  object imgGood: TImage
    Left = 0
    Top = 0
    Width = 48
    Height = 48
    Picture.File = 'oneclick/good.png'
    Visible = False
  end
  object pgc: TPageControl
    Left = 0
    Top = 52
    Width = 579
    Height = 381
    object tsStart: TTabSheet
      TabVisible = False
      Color = clWhite
      object GroupBox1: TGroupBox
        Left = 16
        Top = 10
        Width = 546
        Height = 84
        Caption = 'Computer Health'
        object chkWasteFile: TCheckBox
          Left = 16
          Top = 22
          Width = 150
          Height = 17
          Caption = 'Junk File Cleaner'
          Checked = True
          State = cbChecked
        end
        object lblchkWasteFile: TLabel
          Left = 176
          Top = 24
          Width = 360
          Height = 14
          AutoSize = False
          Caption = 'Finds temporary and cached files that only take up room.'
          Transparent = True
          Font.Color = $00726860
          ParentFont = False
        end
        object chkReg: TCheckBox
          Left = 16
          Top = 52
          Width = 150
          Height = 17
          Caption = 'Registry Cleaner'
          Checked = True
          State = cbChecked
        end
        object lblchkReg: TLabel
          Left = 176
          Top = 54
          Width = 360
          Height = 14
          AutoSize = False
          Caption = 'Finds invalid entries left behind in the registry.'
          Transparent = True
          Font.Color = $00726860
          ParentFont = False
        end
      end
      object GroupBox2: TGroupBox
        Left = 16
        Top = 102
        Width = 546
        Height = 84
        Caption = 'Computer Security'
        object chkActiveX: TCheckBox
          Left = 16
          Top = 22
          Width = 150
          Height = 17
          Caption = 'Block ActiveX'
          Checked = True
          State = cbChecked
        end
        object lblchkActiveX: TLabel
          Left = 176
          Top = 24
          Width = 360
          Height = 14
          AutoSize = False
          Caption = 'Blocks ActiveX controls known to be harmful.'
          Transparent = True
          Font.Color = $00726860
          ParentFont = False
        end
        object chkHis: TCheckBox
          Left = 16
          Top = 52
          Width = 150
          Height = 17
          Caption = 'Evidence Cleaner'
          Checked = True
          State = cbChecked
        end
        object lblchkHis: TLabel
          Left = 176
          Top = 54
          Width = 360
          Height = 14
          AutoSize = False
          Caption = 'Clears the traces of what you did on this PC.'
          Transparent = True
          Font.Color = $00726860
          ParentFont = False
        end
      end
      object GroupBox3: TGroupBox
        Left = 16
        Top = 194
        Width = 546
        Height = 84
        Caption = 'System Optimizer'
        object chkFile: TCheckBox
          Left = 16
          Top = 22
          Width = 150
          Height = 17
          Caption = 'File Association'
          Checked = True
          State = cbChecked
        end
        object lblchkFile: TLabel
          Left = 176
          Top = 24
          Width = 360
          Height = 14
          AutoSize = False
          Caption = 'Repairs file types that open with the wrong program.'
          Transparent = True
          Font.Color = $00726860
          ParentFont = False
        end
        object chkSys: TCheckBox
          Left = 16
          Top = 52
          Width = 150
          Height = 17
          Caption = 'Computer Optimizer'
          Checked = True
          State = cbChecked
        end
        object lblchkSys: TLabel
          Left = 176
          Top = 54
          Width = 360
          Height = 14
          AutoSize = False
          Caption = 'Puts system settings back to their optimized values.'
          Transparent = True
          Font.Color = $00726860
          ParentFont = False
        end
      end
      object btnScan: TImageEx
        Left = 442
        Top = 296
        Width = 120
        Height = 36
        Cursor = crHandPoint
        Picture.File = 'oneclick/btnScan_normal.png'
        OnClick = btnScanClick
        NormalGlyph.File = 'oneclick/btnScan_normal.png'
        DownGlyph.File = 'oneclick/btnScan_down.png'
        OverGlyph.File = 'oneclick/btnScan_over.png'
      end
    end
    object tsScan: TTabSheet
      TabVisible = False
      Color = clWhite
      object pgcScan: TPageControl
        Left = 8
        Top = 0
        Width = 563
        Height = 262
        object tsReg: TTabSheet
          Caption = 'Registry'
          Color = clWhite
          object Image11: TImage
            Left = 6
            Top = 4
            Width = 48
            Height = 48
            Picture.File = 'oneclick/bad.png'
          end
          object lblreg: TLabel
            Left = 62
            Top = 20
            Width = 480
            Height = 16
            AutoSize = False
            Caption = ''
            Transparent = True
            Font.Color = $000100CD
            Font.Height = -12
            Font.Name = 'Tahoma'
            Font.Style = [fsBold]
            ParentFont = False
          end
          object vdtReg: TVirtualStringTree
            Left = 6
            Top = 56
            Width = 541
            Height = 170
            StateImages = il2
            DefaultNodeHeight = 49
            Header.Options = []
            Header.MainColumn = 1
            Header.Columns = <
            item
              Width = 0
            end
            item
              Width = 520
            end>
            TreeOptions.PaintOptions = []
            TreeOptions.SelectionOptions = [toFullRowSelect]
            TreeOptions.AutoOptions = []
            DrawSelectionMode = smBlendedRectangle
            Colors.FocusedSelectionColor = 14932172
            Colors.UnfocusedSelectionColor = 14932172
            OnInitNode = vdtRegInitNode
            OnDrawNode = vdtRegDrawNode
            OnChecked = vdtRegChecked
            OnGetImageIndex = vdtRegGetImageIndex
          end
        end
        object tsWaste: TTabSheet
          Caption = 'Junk File'
          Color = clWhite
          object Image8: TImage
            Left = 6
            Top = 4
            Width = 48
            Height = 48
            Picture.File = 'oneclick/bad.png'
          end
          object lblWasteFile: TLabel
            Left = 62
            Top = 20
            Width = 480
            Height = 16
            AutoSize = False
            Caption = ''
            Transparent = True
            Font.Color = $000100CD
            Font.Height = -12
            Font.Name = 'Tahoma'
            Font.Style = [fsBold]
            ParentFont = False
          end
          object vstFile: TVirtualStringTree
            Left = 6
            Top = 56
            Width = 541
            Height = 170
            Images = il1
            DefaultNodeHeight = 18
            Header.Options = [hoVisible]
            Header.Columns = <
            item
              Text = 'Filename'
              Width = 150
            end

            item
              Text = 'Path'
              Width = 280
            end

            item
              Text = 'Size'
              Width = 90
            end>
            TreeOptions.PaintOptions = [toShowHorzGridLines, toShowVertGridLines]
            TreeOptions.SelectionOptions = [toFullRowSelect]
            OnGetText = TreeGetText
            OnInitNode = TreeInitNode
            OnPaintText = TreePaintText
            OnGetImageIndex = vstFileGetImageIndex
          end
        end
        object tsHis: TTabSheet
          Caption = 'Evidence'
          Color = clWhite
          object Image12: TImage
            Left = 6
            Top = 4
            Width = 48
            Height = 48
            Picture.File = 'oneclick/bad.png'
          end
          object lblHis: TLabel
            Left = 62
            Top = 20
            Width = 480
            Height = 16
            AutoSize = False
            Caption = ''
            Transparent = True
            Font.Color = $000100CD
            Font.Height = -12
            Font.Name = 'Tahoma'
            Font.Style = [fsBold]
            ParentFont = False
          end
          object vstHis: TVirtualStringTree
            Left = 6
            Top = 56
            Width = 541
            Height = 170
            Images = il1
            DefaultNodeHeight = 18
            Header.Options = [hoVisible]
            Header.Columns = <
            item
              Text = 'Items'
              Width = 520
            end>
            TreeOptions.PaintOptions = [toShowButtons, toShowRoot, toShowTreeLines]
            TreeOptions.SelectionOptions = [toFullRowSelect]
            OnChecked = vstHisChecked
            OnGetText = vstHisGetText
            OnInitNode = vstHisInitNode
            OnInitChildren = vstHisInitChildren
            OnGetImageIndex = vstHisGetImageIndex
          end
        end
        object tsActiveX: TTabSheet
          Caption = 'ActiveX'
          Color = clWhite
          object Image13: TImage
            Left = 6
            Top = 4
            Width = 48
            Height = 48
            Picture.File = 'oneclick/bad.png'
          end
          object lblActivex: TLabel
            Left = 62
            Top = 20
            Width = 480
            Height = 16
            AutoSize = False
            Caption = ''
            Transparent = True
            Font.Color = $000100CD
            Font.Height = -12
            Font.Name = 'Tahoma'
            Font.Style = [fsBold]
            ParentFont = False
          end
          object vstActiveX: TVirtualStringTree
            Left = 6
            Top = 56
            Width = 541
            Height = 170
            Images = il1
            DefaultNodeHeight = 18
            Header.Options = [hoVisible]
            Header.Columns = <
            item
              Text = 'Item'
              Width = 200
            end

            item
              Text = 'CLSID'
              Width = 240
            end

            item
              Text = 'Status'
              Width = 80
            end>
            TreeOptions.PaintOptions = [toShowHorzGridLines, toShowVertGridLines]
            TreeOptions.SelectionOptions = [toFullRowSelect]
            OnGetText = TreeGetText
            OnInitNode = TreeInitNode
            OnPaintText = TreePaintText
            OnGetImageIndex = vstActiveXGetImageIndex
          end
        end
        object tsFile: TTabSheet
          Caption = 'File Association'
          Color = clWhite
          object Image14: TImage
            Left = 6
            Top = 4
            Width = 48
            Height = 48
            Picture.File = 'oneclick/bad.png'
          end
          object lblFixFile: TLabel
            Left = 62
            Top = 20
            Width = 480
            Height = 16
            AutoSize = False
            Caption = ''
            Transparent = True
            Font.Color = $000100CD
            Font.Height = -12
            Font.Name = 'Tahoma'
            Font.Style = [fsBold]
            ParentFont = False
          end
          object vstFixFile: TVirtualStringTree
            Left = 6
            Top = 56
            Width = 541
            Height = 170
            DefaultNodeHeight = 18
            Header.Options = [hoVisible]
            Header.Columns = <
            item
              Text = 'Ext. Name'
              Width = 80
            end

            item
              Text = 'Description'
              Width = 140
            end

            item
              Text = 'Current Value'
              Width = 150
            end

            item
              Text = 'Restore Value'
              Width = 150
            end>
            TreeOptions.PaintOptions = [toShowHorzGridLines, toShowVertGridLines]
            TreeOptions.SelectionOptions = [toFullRowSelect]
            OnGetText = TreeGetText
            OnInitNode = TreeInitNode
            OnPaintText = TreePaintText
          end
        end
        object tsSys: TTabSheet
          Caption = 'System Optimize'
          Color = clWhite
          object Image15: TImage
            Left = 6
            Top = 4
            Width = 48
            Height = 48
            Picture.File = 'oneclick/bad.png'
          end
          object lblSys: TLabel
            Left = 62
            Top = 20
            Width = 480
            Height = 16
            AutoSize = False
            Caption = ''
            Transparent = True
            Font.Color = $000100CD
            Font.Height = -12
            Font.Name = 'Tahoma'
            Font.Style = [fsBold]
            ParentFont = False
          end
          object vstSys: TVirtualStringTree
            Left = 6
            Top = 56
            Width = 541
            Height = 170
            DefaultNodeHeight = 18
            Header.Options = [hoVisible]
            Header.Columns = <
            item
              Text = 'Items'
              Width = 410
            end

            item
              Text = 'Status'
              Width = 110
            end>
            TreeOptions.PaintOptions = [toShowHorzGridLines, toShowVertGridLines]
            TreeOptions.SelectionOptions = [toFullRowSelect]
            OnGetText = TreeGetText
            OnInitNode = TreeInitNode
            OnPaintText = TreePaintText
          end
        end
        object tsTotal: TTabSheet
          Caption = 'Overall'
          Color = clWhite
          object Label2: TLabel
            Left = 6
            Top = 8
            Width = 160
            Height = 14
            AutoSize = False
            Caption = 'Last Maintenance Time:'
            Transparent = True
            Font.Style = [fsBold]
            ParentFont = False
          end
          object lblLastDT: TLabel
            Left = 170
            Top = 8
            Width = 240
            Height = 14
            AutoSize = False
            Caption = ''
            Transparent = True
          end
          object lblLast: TLabel
            Left = 414
            Top = 8
            Width = 130
            Height = 14
            AutoSize = False
            Caption = ''
            Transparent = True
            Font.Color = $00726860
            ParentFont = False
          end
          object lst: TListBox
            Left = 6
            Top = 32
            Width = 541
            Height = 164
            Style = lbOwnerDrawFixed
            ItemHeight = 26
            OnDrawItem = lstDrawItem
          end
        end
      end
      object lblScan: TLabel
        Left = 8
        Top = 268
        Width = 563
        Height = 14
        AutoSize = False
        Caption = ''
        Transparent = True
        Font.Color = $00726860
        ParentFont = False
      end
      object pb1: TProgressBar
        Left = 8
        Top = 286
        Width = 563
        Height = 10
      end
      object lbl2: TLabel
        Left = 8
        Top = 304
        Width = 90
        Height = 14
        AutoSize = False
        Caption = 'Total Progress'
        Transparent = True
      end
      object pb2: TProgressBar
        Left = 100
        Top = 304
        Width = 427
        Height = 14
      end
      object lbl3: TLabel
        Left = 531
        Top = 304
        Width = 40
        Height = 14
        AutoSize = False
        Caption = ''
        Transparent = True
        Alignment = taRightJustify
      end
      object btn: TButton
        Left = 471
        Top = 340
        Width = 100
        Height = 27
        Caption = 'Abort'
        OnClick = btnClick
      end
    end
  end
  object tmr1: TTimer
    Enabled = False
    Interval = 100
    OnTimer = tmr1Timer
  end
  object il1: TImageList
    Bitmap.File = 'oneclick/tree16.bmp'
  end
  object il2: TImageList
    Width = 24
    Height = 24
    Bitmap.File = 'oneclick/status24.bmp'
  end
end
