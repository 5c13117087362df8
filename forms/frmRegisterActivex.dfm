object frmRegisterActivex: TfrmRegisterActivex
  Left = 0
  Top = 0
  BorderStyle = bsNone
  Caption = 'Re-Register Activex'
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
  object Label2: TLabel
    Left = 16
    Top = 32
    Width = 546
    Height = 16
    AutoSize = False
    Caption = 'Check and block malicious Registry ActiveX to improve system security.'
    Transparent = True
    Font.Color = $00726860
    ParentFont = False
  end
  object Label3: TLabel
    Left = 16
    Top = 48
    Width = 546
    Height = 28
    AutoSize = False
    WordWrap = True
    Caption = 
      'Solve the curious problems, such as unable to open new IE Windows' +
      ', unable to auto update to select films model'
    Transparent = True
    Font.Color = $00726860
    ParentFont = False
  end
  object Label4: TLabel
    Left = 16
    Top = 76
    Width = 546
    Height = 16
    AutoSize = False
    Caption = ' to watch picture, random error with Media player and so on. '
    Transparent = True
    Font.Color = $00726860
    ParentFont = False
  end
  object GroupBox1: TGroupBox
    Left = 8
    Top = 96
    Width = 563
    Height = 282
    Caption = 'Activex and .dll Objects'
    object VST1: TVirtualStringTree
      Left = 4
      Top = 18
      Width = 555
      Height = 254
      DefaultNodeHeight = 20
      Header.Options = [hoVisible, hoColumnResize]
      Header.Columns = <
      item
        Text = 'No.'
        Width = 50
      end
      item
        Text = 'Item'
        Width = 255
      end
      item
        Text = 'Status'
        Width = 225
      end>
      TreeOptions.PaintOptions = [toShowHorzGridLines, toShowVertGridLines]
      TreeOptions.SelectionOptions = [toFullRowSelect]
      OnInitNode = VST1InitNode
      OnGetText = VST1GetText
    end
  end
  object chkAll: TCheckBox
    Left = 16
    Top = 392
    Width = 120
    Height = 17
    Caption = 'Select All'
    OnClick = chkAllClick
  end
  object ProgressBar1: TProgressBar
    Left = 150
    Top = 392
    Width = 310
    Height = 17
    Visible = False
  end
  object btnActivex: TButton
    Left = 476
    Top = 387
    Width = 90
    Height = 25
    Caption = 'Re-Register'
    OnClick = btnActivexClick
  end
end
