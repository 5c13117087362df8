object frmMain: TfrmMain
  Left = 0
  Top = 0
  BorderIcons = [biSystemMenu]
  BorderStyle = bsSingle
  Caption = 'Quillstead Update Live'
  ClientHeight = 215
  ClientWidth = 453
  Color = clWhite
  Font.Color = clWindowText
  Font.Height = -11
  Font.Name = 'Tahoma'
  Font.Style = []
  Position = poScreenCenter
  OnCloseQuery = FormCloseQuery
  OnClose = FormClose
  OnCreate = FormCreate
  OnShow = FormShow
  object Image1: TImage
    Left = 0
    Top = 0
    Width = 453
    Height = 79
    Picture.File = 'header.png'
  end
  object Gauge1: TGauge
    Left = 16
    Top = 96
    Width = 421
    Height = 20
    ForeColor = clBlue
    Progress = 0
  end
  object Label3: TLabel
    Left = 16
    Top = 124
    Width = 421
    Height = 13
    AutoSize = False
    Caption = 'State:'
    Transparent = True
    Visible = False
  end
  object lblVersion: TLabel
    Left = 16
    Top = 148
    Width = 421
    Height = 13
    AutoSize = False
    Caption = 'Version:       Last Time:'
    Transparent = True
  end
  object btnUpdate: TSpeedButton
    Left = 276
    Top = 178
    Width = 75
    Height = 25
    Caption = 'Update'
    OnClick = btnUpdateClick
  end
  object btnStop: TSpeedButton
    Left = 362
    Top = 178
    Width = 75
    Height = 25
    Caption = 'Close'
    OnClick = btnStopClick
  end
  object lblFileName: TLabel
    Left = 16
    Top = 240
    Width = 300
    Height = 13
    AutoSize = False
  end
  object Label4: TLabel
    Left = 16
    Top = 260
    Width = 300
    Height = 13
    AutoSize = False
    Visible = False
  end
  object ListView1: TListView
    Left = 16
    Top = 280
    Width = 360
    Height = 120
    GridLines = True
    RowSelect = True
    ReadOnly = True
    ViewStyle = vsReport
    Columns = <
      item
        Caption = #25991#20214#21517
        Width = 280
      end
      item
        Alignment = taCenter
        Caption = #25991#20214#29366#24577
        Width = 68
      end>
  end
  object Timer1: TTimer
    Enabled = False
    Interval = 500
    OnTimer = Timer1Timer
  end
end
