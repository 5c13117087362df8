object frmCommonDemo: TfrmCommonDemo
  Left = 60
  Top = 60
  BorderStyle = bsSingle
  Caption = 'Common controls'
  ClientWidth = 520
  ClientHeight = 330
  object pgcTabs: TPageControl
    Left = 8
    Top = 8
    Width = 300
    Height = 150
    ActivePage = tsFiles
    object tsFiles: TTabSheet
      Caption = 'Files'
      object lvFiles: TListView
        Align = alClient
        Checkboxes = True
        GridLines = True
        RowSelect = True
        ReadOnly = True
        ViewStyle = vsReport
        Columns = <
          item
            Caption = 'File Name'
            Width = 120
          end
          item
            Alignment = taRightJustify
            Caption = 'Size'
            Width = 60
          end
          item
            Alignment = taCenter
            Caption = 'Status'
            Width = 80
          end>
      end
    end
    object tsOther: TTabSheet
      Caption = 'Other'
    end
    object tsHiddenTab: TTabSheet
      Caption = 'Hidden'
      TabVisible = False
    end
  end
  object pgcButtons: TPageControl
    Left = 316
    Top = 8
    Width = 196
    Height = 70
    Style = tsButtons
    ActivePage = tsStep2
    object tsStep1: TTabSheet
      Caption = 'Step 1'
      TabVisible = False
    end
    object tsStep2: TTabSheet
      Caption = 'Step 2'
      TabVisible = False
      object lblStep: TLabel
        Left = 8
        Top = 8
        Caption = 'Second page of hidden tabs'
      end
    end
  end
  object tabStrip: TTabControl
    Left = 316
    Top = 84
    Width = 196
    Height = 74
    Tabs.Strings = (
      'One'
      'Two'
      'Three')
    TabIndex = 1
  end
  object pbHalf: TProgressBar
    Left = 8
    Top = 166
    Width = 200
    Height = 16
    Position = 60
  end
  object pbVertical: TProgressBar
    Left = 216
    Top = 166
    Width = 16
    Height = 60
    Orientation = pbVertical
    Position = 30
    Smooth = True
  end
  object ggBar: TGauge
    Left = 240
    Top = 166
    Width = 120
    Height = 20
    ForeColor = clNavy
    Progress = 45
  end
  object ggPie: TGauge
    Left = 370
    Top = 166
    Width = 50
    Height = 50
    ForeColor = clGreen
    Kind = gkPie
    Progress = 70
  end
  object ggNeedle: TGauge
    Left = 430
    Top = 166
    Width = 80
    Height = 40
    Kind = gkNeedle
    Progress = 30
  end
  object tbVolume: TTrackBar
    Left = 8
    Top = 190
    Width = 200
    Height = 40
    Max = 20
    Position = 7
  end
  object edtCount: TEdit
    Left = 8
    Top = 236
    Width = 60
    Height = 21
  end
  object udCount: TUpDown
    Left = 68
    Top = 236
    Associate = edtCount
    Max = 99
    Position = 5
  end
  object dtpDate: TDateTimePicker
    Left = 100
    Top = 236
    Width = 120
  end
  object dtpTime: TDateTimePicker
    Left = 230
    Top = 236
    Width = 110
    Kind = dtkTime
    ShowCheckbox = True
  end
  object hdrColumns: THeaderControl
    Left = 8
    Top = 266
    Width = 400
    Height = 20
    Align = alNone
    Sections = <
      item
        Text = 'Name'
        Width = 150
      end
      item
        Alignment = taRightJustify
        Text = 'Size'
        Width = 80
      end
      item
        Text = 'Date'
        Width = 100
      end>
  end
  object sbStatus: TStatusBar
    Panels = <
      item
        Text = 'Ready'
        Width = 120
      end
      item
        Style = psOwnerDraw
        Width = 100
      end
      item
        Alignment = taCenter
        Text = 'Centred'
        Width = 100
      end>
    OnDrawPanel = sbStatusDrawPanel
  end
end
