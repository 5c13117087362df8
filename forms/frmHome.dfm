object frmHome: TfrmHome
  Left = 0
  Top = 0
  BorderStyle = bsNone
  Caption = 'Home'
  ClientWidth = 579
  ClientHeight = 433
  Color = clWhite
  Font.Color = clWindowText
  Font.Height = -11
  Font.Name = 'Tahoma'
  Font.Style = []
  OnCreate = FormCreate
  object Panel1: TPanel
    Left = 0
    Top = 0
    Width = 579
    Height = 433
    Align = alClient
    BevelOuter = bvNone
    Color = clWhite
    object img0: TImage
      Left = 434
      Top = 10
      Width = 144
      Height = 148
      Picture.File = 'home/gauge0.png'
      Visible = True
    end
    object img10: TImage
      Left = 434
      Top = 10
      Width = 144
      Height = 148
      Picture.File = 'home/gauge10.png'
      Visible = False
    end
    object img20: TImage
      Left = 434
      Top = 10
      Width = 144
      Height = 148
      Picture.File = 'home/gauge20.png'
      Visible = False
    end
    object img30: TImage
      Left = 434
      Top = 10
      Width = 144
      Height = 148
      Picture.File = 'home/gauge30.png'
      Visible = False
    end
    object img40: TImage
      Left = 434
      Top = 10
      Width = 144
      Height = 148
      Picture.File = 'home/gauge40.png'
      Visible = False
    end
    object img50: TImage
      Left = 434
      Top = 10
      Width = 144
      Height = 148
      Picture.File = 'home/gauge50.png'
      Visible = False
    end
    object img60: TImage
      Left = 434
      Top = 10
      Width = 144
      Height = 148
      Picture.File = 'home/gauge60.png'
      Visible = False
    end
    object img70: TImage
      Left = 434
      Top = 10
      Width = 144
      Height = 148
      Picture.File = 'home/gauge70.png'
      Visible = False
    end
    object img80: TImage
      Left = 434
      Top = 10
      Width = 144
      Height = 148
      Picture.File = 'home/gauge80.png'
      Visible = False
    end
    object img90: TImage
      Left = 434
      Top = 10
      Width = 144
      Height = 148
      Picture.File = 'home/gauge90.png'
      Visible = False
    end
    object img100: TImage
      Left = 434
      Top = 10
      Width = 144
      Height = 148
      Picture.File = 'home/gauge100.png'
      Visible = False
    end
    object Label6: TLabel
      Left = 466
      Top = 48
      Width = 80
      Height = 16
      AutoSize = False
      Caption = 'Overall'
      Transparent = True
      Font.Color = clWhite
      Font.Height = -13
      Font.Name = 'Tahoma'
      Font.Style = [fsBold]
      ParentFont = False
      Alignment = taCenter
    end
    object lblPoint: TLabel
      Left = 445
      Top = 66
      Width = 134
      Height = 50
      AutoSize = False
      Caption = 'Unknown'
      Transparent = True
      Font.Color = $000100CD
      Font.Height = -24
      Font.Name = 'Tahoma'
      Font.Style = [fsBold]
      ParentFont = False
    end
    object lblInfo: TLabel
      Left = 16
      Top = 18
      Width = 414
      Height = 24
      AutoSize = False
      Caption = 'Last Scan Report: 0 Problems Found'
      Transparent = True
      Font.Color = $000100CD
      Font.Height = -17
      Font.Name = 'Tahoma'
      Font.Style = [fsBold]
      ParentFont = False
    end
    object lblHealth: TLabel
      Left = 16
      Top = 50
      Width = 396
      Height = 18
      AutoSize = False
      Caption = 'Last Pc Health is: Unknown'
      Transparent = True
      Font.Color = $000100CD
      Font.Height = -13
      Font.Name = 'Tahoma'
      Font.Style = [fsBold]
      ParentFont = False
    end
    object Label1: TLabel
      Left = 16
      Top = 80
      Width = 396
      Height = 16
      AutoSize = False
      Caption = 'The Problem Found on Your Pc Have no Been Fixed,'
      Transparent = True
      Font.Color = $00726860
      Font.Height = -11
      Font.Name = 'Tahoma'
      Font.Style = []
      ParentFont = False
    end
    object Label2: TLabel
      Left = 16
      Top = 98
      Width = 396
      Height = 16
      AutoSize = False
      Caption = 'Please Repair as soon as possible!'
      Transparent = True
      Font.Color = $00726860
      Font.Height = -11
      Font.Name = 'Tahoma'
      Font.Style = []
      ParentFont = False
    end
    object CheckBox7: TCheckBox
      Left = 8
      Top = 168
      Width = 16
      Height = 17
      Checked = True
      State = cbChecked
    end
    object Label16: TLabel
      Left = 30
      Top = 170
      Width = 380
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
    object lst: TListBox
      Left = 26
      Top = 194
      Width = 553
      Height = 156
      BorderStyle = bsNone
      Style = lbOwnerDrawFixed
      ItemHeight = 26
      Enabled = True
      OnDrawItem = lstDrawItem
    end
    object CheckBox1: TCheckBox
      Left = 8
      Top = 199
      Width = 16
      Height = 17
      Checked = True
      State = cbChecked
    end
    object CheckBox2: TCheckBox
      Left = 8
      Top = 225
      Width = 16
      Height = 17
      Checked = True
      State = cbChecked
    end
    object CheckBox3: TCheckBox
      Left = 8
      Top = 251
      Width = 16
      Height = 17
      Checked = True
      State = cbChecked
    end
    object CheckBox6: TCheckBox
      Left = 8
      Top = 277
      Width = 16
      Height = 17
      Checked = True
      State = cbChecked
    end
    object CheckBox5: TCheckBox
      Left = 8
      Top = 303
      Width = 16
      Height = 17
      Checked = True
      State = cbChecked
    end
    object CheckBox4: TCheckBox
      Left = 8
      Top = 329
      Width = 16
      Height = 17
      Checked = True
      State = cbChecked
    end
    object ImageEx2: TImageEx
      Left = 444
      Top = 372
      Width = 120
      Height = 36
      Cursor = crHandPoint
      Picture.File = 'home/btnStart_normal.png'
      OnClick = ImageEx2Click
      NormalGlyph.File = 'home/btnStart_normal.png'
      DownGlyph.File = 'home/btnStart_down.png'
      OverGlyph.File = 'home/btnStart_over.png'
    end
    object Label3: TLabel
      Left = 800
      Top = 20
      Width = 200
      Height = 16
      AutoSize = False
      Caption = 'System Scan Status'
      Transparent = True
      Font.Height = -13
      Font.Name = 'Tahoma'
      Font.Style = [fsBold]
      ParentFont = False
    end
    object Label4: TLabel
      Left = 800
      Top = 44
      Width = 200
      Height = 14
      AutoSize = False
      Caption = 'Last Registry Scan:'
      Transparent = True
      Font.Height = -11
      Font.Name = 'Tahoma'
      Font.Style = []
      ParentFont = False
    end
    object lblLast: TLabel
      Left = 1000
      Top = 44
      Width = 200
      Height = 14
      AutoSize = False
      Caption = 'Not Scanned'
      Transparent = True
      Font.Height = -11
      Font.Name = 'Tahoma'
      Font.Style = []
      ParentFont = False
    end
    object Label5: TLabel
      Left = 800
      Top = 62
      Width = 200
      Height = 14
      AutoSize = False
      Caption = 'Invalid entries from last scan:  '
      Transparent = True
      Font.Height = -11
      Font.Name = 'Tahoma'
      Font.Style = []
      ParentFont = False
    end
    object lblScansum: TLabel
      Left = 1000
      Top = 62
      Width = 200
      Height = 14
      AutoSize = False
      Caption = '0'
      Transparent = True
      Font.Height = -11
      Font.Name = 'Tahoma'
      Font.Style = []
      ParentFont = False
    end
    object Label7: TLabel
      Left = 800
      Top = 80
      Width = 200
      Height = 14
      AutoSize = False
      Caption = 'Invalid entries fixed from last scan:  '
      Transparent = True
      Font.Height = -11
      Font.Name = 'Tahoma'
      Font.Style = []
      ParentFont = False
    end
    object lblLastClear: TLabel
      Left = 1000
      Top = 80
      Width = 200
      Height = 14
      AutoSize = False
      Caption = '0'
      Transparent = True
      Font.Height = -11
      Font.Name = 'Tahoma'
      Font.Style = []
      ParentFont = False
    end
    object Label8: TLabel
      Left = 800
      Top = 98
      Width = 200
      Height = 14
      AutoSize = False
      Caption = 'Last Memory Optimize:'
      Transparent = True
      Font.Height = -11
      Font.Name = 'Tahoma'
      Font.Style = []
      ParentFont = False
    end
    object lblMemory: TLabel
      Left = 1000
      Top = 98
      Width = 200
      Height = 14
      AutoSize = False
      Caption = 'Not Optimized'
      Transparent = True
      Font.Height = -11
      Font.Name = 'Tahoma'
      Font.Style = []
      ParentFont = False
    end
    object Label9: TLabel
      Left = 800
      Top = 116
      Width = 200
      Height = 14
      AutoSize = False
      Caption = 'Last PC Health is:'
      Transparent = True
      Font.Height = -11
      Font.Name = 'Tahoma'
      Font.Style = []
      ParentFont = False
    end
    object Label10: TLabel
      Left = 800
      Top = 140
      Width = 400
      Height = 14
      AutoSize = False
      Caption = ''
      Transparent = True
      Font.Height = -11
      Font.Name = 'Tahoma'
      Font.Style = []
      ParentFont = False
    end
    object Label11: TLabel
      Left = 800
      Top = 164
      Width = 300
      Height = 16
      AutoSize = False
      Caption = 'Recommendations for optimization:'
      Transparent = True
      Font.Height = -11
      Font.Name = 'Tahoma'
      Font.Style = [fsBold]
      ParentFont = False
    end
    object Label13: TLabel
      Left = 800
      Top = 186
      Width = 200
      Height = 16
      AutoSize = False
      Caption = 'Registry Cleaner'
      Transparent = True
      Font.Color = $00B6631E
      Font.Height = -11
      Font.Name = 'Tahoma'
      Font.Style = [fsBold]
      ParentFont = False
      Cursor = crHandPoint
      OnClick = Label13Click
      OnMouseEnter = Label13MouseEnter
      OnMouseLeave = Label13MouseLeave
    end
    object Label14: TLabel
      Left = 800
      Top = 206
      Width = 200
      Height = 16
      AutoSize = False
      Caption = 'Junk Cleaner'
      Transparent = True
      Font.Color = $00B6631E
      Font.Height = -11
      Font.Name = 'Tahoma'
      Font.Style = [fsBold]
      ParentFont = False
      Cursor = crHandPoint
      OnClick = Label14Click
      OnMouseEnter = Label13MouseEnter
      OnMouseLeave = Label13MouseLeave
    end
    object Label15: TLabel
      Left = 800
      Top = 226
      Width = 200
      Height = 16
      AutoSize = False
      Caption = 'Evidence Cleaner'
      Transparent = True
      Font.Color = $00B6631E
      Font.Height = -11
      Font.Name = 'Tahoma'
      Font.Style = [fsBold]
      ParentFont = False
      Cursor = crHandPoint
      OnClick = Label15Click
      OnMouseEnter = Label13MouseEnter
      OnMouseLeave = Label13MouseLeave
    end
    object ImageEx1: TImageEx
      Left = 800
      Top = 260
      Width = 120
      Height = 36
      Cursor = crHandPoint
      Picture.File = 'home/btnStart_normal.png'
      OnClick = ImageEx1Click
      NormalGlyph.File = 'home/btnStart_normal.png'
      DownGlyph.File = 'home/btnStart_down.png'
      OverGlyph.File = 'home/btnStart_over.png'
    end
  end
  object il2: TImageList
    Bitmap.File = 'home/rows16.bmp'
  end
end
