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
  object grpChoices: TGroupBox
    Left = 8
    Top = 140
    Width = 200
    Height = 100
    Caption = 'Group box'
    object rbFirst: TRadioButton
      Left = 10
      Top = 20
      Caption = '&First choice'
      Checked = True
    end
    object rbSecond: TRadioButton
      Left = 10
      Top = 44
      Caption = '&Second choice'
    end
    object rbDisabled: TRadioButton
      Left = 10
      Top = 68
      Caption = 'Disabled choice'
      Enabled = False
    end
  end
  object chkUnchecked: TCheckBox
    Left = 220
    Top = 140
    Caption = 'Unchecked'
  end
  object chkChecked: TCheckBox
    Left = 220
    Top = 162
    Caption = 'Checked'
    Checked = True
  end
  object chkGrayed: TCheckBox
    Left = 220
    Top = 184
    AllowGrayed = True
    Caption = 'Grayed'
    State = cbGrayed
  end
  object chkDisabled: TCheckBox
    Left = 220
    Top = 206
    Caption = 'Disabled'
    Checked = True
    Enabled = False
  end
  object chkLeftText: TCheckBox
    Left = 220
    Top = 228
    Alignment = taLeftJustify
    Caption = 'Text on the left'
  end
  object btnBitOk: TBitBtn
    Left = 330
    Top = 140
    Kind = bkOK
  end
  object btnBitImage: TBitBtn
    Left = 330
    Top = 172
    Width = 90
    Caption = '&Scan'
    Images = il16
    ImageIndex = 0
  end
  object btnBitGlyphTop: TBitBtn
    Left = 430
    Top = 140
    Width = 75
    Height = 56
    Caption = 'Glyph &top'
    Glyph.File = 'pics/arrow2.bmp'
    NumGlyphs = 2
    Layout = blGlyphTop
  end
  object btnBitDisabled: TBitBtn
    Left = 330
    Top = 204
    Width = 90
    Caption = 'Disabled'
    Enabled = False
    Images = il16
    ImageIndex = 1
  end
  object btnBitGlyphDisabled: TBitBtn
    Left = 430
    Top = 204
    Width = 75
    Caption = 'Frame 2'
    Enabled = False
    Glyph.File = 'pics/arrow2.bmp'
    NumGlyphs = 2
  end
  object sbFlat: TSpeedButton
    Left = 8
    Top = 250
    Width = 25
    Height = 25
    Flat = True
    Glyph.File = 'pics/arrow2.bmp'
    NumGlyphs = 2
  end
  object sbGroupA: TSpeedButton
    Left = 40
    Top = 250
    Width = 25
    Height = 25
    GroupIndex = 1
    Down = True
    Caption = 'A'
  end
  object sbGroupB: TSpeedButton
    Left = 66
    Top = 250
    Width = 25
    Height = 25
    GroupIndex = 1
    Caption = 'B'
  end
  object sbDisabled: TSpeedButton
    Left = 100
    Top = 250
    Width = 25
    Height = 25
    Enabled = False
    Glyph.File = 'pics/arrow2.bmp'
    NumGlyphs = 2
  end
  object edtPlain: TEdit
    Left = 330
    Top = 240
    Text = 'Edit'
  end
  object edtPassword: TEdit
    Left = 460
    Top = 240
    Width = 100
    PasswordChar = '*'
    Text = 'secret'
  end
  object edtReadOnly: TEdit
    Left = 330
    Top = 266
    ReadOnly = True
    Text = 'Read-only edit'
  end
  object edtDisabled: TEdit
    Left = 460
    Top = 266
    Width = 100
    Enabled = False
    Text = 'Disabled'
  end
  object mmoNotes: TMemo
    Left = 8
    Top = 290
    Width = 200
    Height = 80
    Lines.Strings = (
      'A memo with a vertical scroll bar'
      'and a second line'
      'and a third, long enough to wrap at the right edge of the memo')
    ScrollBars = ssVertical
  end
  object cboDropDown: TComboBox
    Left = 220
    Top = 290
    Items.Strings = (
      'First item'
      'Second item'
      'Third item')
    Text = 'Typed text'
  end
  object cboList: TComboBox
    Left = 220
    Top = 320
    Style = csDropDownList
    Items.Strings = (
      'First item'
      'Second item')
    ItemIndex = 1
  end
  object cboDisabled: TComboBox
    Left = 220
    Top = 350
    Enabled = False
    Text = 'Disabled'
  end
  object lstPlain: TListBox
    Left = 372
    Top = 296
    Width = 110
    Height = 80
    Items.Strings = (
      'Plain list'
      'Second row'
      'Third row')
    ItemIndex = 1
  end
  object lstRows: TListBox
    Left = 490
    Top = 296
    Width = 140
    Height = 80
    Style = lbOwnerDrawFixed
    ItemHeight = 26
    Items.Strings = (
      'Owner-drawn row'
      'Alternating colours'
      'With an icon'
      'Fourth row')
    OnDrawItem = lstRowsDrawItem
  end
  object pbImages: TPaintBox
    Left = 8
    Top = 380
    Width = 300
    Height = 60
    OnPaint = pbImagesPaint
  end
  object shpCircle: TShape
    Left = 330
    Top = 390
    Width = 40
    Height = 40
    Shape = stCircle
    Brush.Color = clYellow
  end
  object shpRound: TShape
    Left = 380
    Top = 390
    Width = 60
    Height = 40
    Shape = stRoundRect
    Pen.Width = 2
  end
  object btnAction: TButton
    Left = 460
    Top = 390
    Width = 100
    Action = acGallery
  end
  object alGallery: TActionList
    object acGallery: TAction
      Caption = 'From an &action'
    end
  end
  object dlgOpen: TOpenDialog
    Filter = 'All Files(*.*)'
    Options = [ofHideReadOnly, ofAllowMultiSelect, ofEnableSizing]
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
