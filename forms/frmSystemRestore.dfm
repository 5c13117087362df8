object frmSystemRestore: TfrmSystemRestore
  Left = 0
  Top = 0
  BorderStyle = bsNone
  Caption = 'System Restore Point'
  ClientWidth = 579
  ClientHeight = 433
  Color = clWhite
  Font.Color = clWindowText
  Font.Height = -11
  Font.Name = 'Tahoma'
  Font.Style = []
  object Label1: TLabel
    Left = 16
    Top = 10
    Width = 546
    Height = 16
    AutoSize = False
    Font.Color = $00603410
    Font.Height = -13
    Font.Name = 'Tahoma'
    Font.Style = [fsBold]
    ParentFont = False
    Transparent = True
  end
  object Label3: TLabel
    Left = 16
    Top = 34
    Width = 540
    Height = 13
    AutoSize = False
    Caption = 
      'Create and name your own restore points at any time to ensure sy' +
      'stem stability. '
    Transparent = True
  end
  object Label2: TLabel
    Left = 16
    Top = 50
    Width = 540
    Height = 28
    AutoSize = False
    WordWrap = True
    Caption = 
      'You can choose a restore point to go back its previous working st' +
      'ate if you encounter system problems.'
    Transparent = True
  end
  object GroupBox1: TGroupBox
    Left = 12
    Top = 80
    Width = 545
    Height = 305
    Caption = 'Restore Points List'
    object VST1: TVirtualStringTree
      Left = 8
      Top = 18
      Width = 529
      Height = 277
      Header.Options = [hoVisible, hoColumnResize]
      Header.Columns = <
        item
          Text = 'Description'
          Width = 250
        end
        item
          Text = 'Backup Date'
          Width = 150
        end
        item
          Text = 'SequenceNumber'
          Width = 110
        end>
      TreeOptions.PaintOptions = [toShowHorzGridLines]
      TreeOptions.SelectionOptions = [toFullRowSelect]
      OnGetText = VST1GetText
    end
  end
  object btnRefresh: TButton
    Left = 12
    Top = 394
    Width = 95
    Height = 25
    Caption = 'Refresh'
    OnClick = btnRefreshClick
  end
  object btnNew: TButton
    Left = 292
    Top = 394
    Width = 160
    Height = 25
    Caption = 'Creat a New Restore Point '
    OnClick = btnNewClick
  end
  object btnResote: TButton
    Left = 462
    Top = 394
    Width = 95
    Height = 25
    Caption = 'Restore'
    OnClick = btnResoteClick
  end
end
