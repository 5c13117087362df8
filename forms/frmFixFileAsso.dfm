object frmFixFileAsso: TfrmFixFileAsso
  Left = 0
  Top = 0
  BorderStyle = bsNone
  Caption = 'File Assocation Repair'
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
    Width = 400
    Height = 16
    Font.Color = $00603410
    Font.Height = -13
    Font.Name = 'Tahoma'
    Font.Style = [fsBold]
    ParentFont = False
    Transparent = True
  end
  object Label2: TLabel
    Left = 16
    Top = 36
    Width = 550
    Height = 13
    AutoSize = False
    Caption = 
      'Fix the invalid file association for providing you with the best' +
      ' speed of access to the files.'
    Transparent = True
  end
  object GroupBox1: TGroupBox
    Left = 12
    Top = 60
    Width = 555
    Height = 325
    Caption = 'File Association List'
    object VST1: TVirtualStringTree
      Left = 8
      Top = 18
      Width = 539
      Height = 297
      Header.Options = [hoVisible, hoColumnResize]
      Header.Columns = <
        item
          Text = 'Extension Name'
          Width = 100
        end
        item
          Text = 'Description'
          Width = 150
        end
        item
          Text = 'Current Value'
          Width = 140
        end
        item
          Text = 'Restore Value'
          Width = 140
        end>
      TreeOptions.PaintOptions = [toShowHorzGridLines]
      TreeOptions.SelectionOptions = [toFullRowSelect]
      OnInitNode = VST1InitNode
      OnGetText = VST1GetText
      OnPaintText = VST1PaintText
    end
  end
  object chkAll: TCheckBox
    Left = 16
    Top = 398
    Width = 120
    Height = 17
    Caption = 'Select All'
    OnClick = chkAllClick
  end
  object btnRestore: TButton
    Left = 472
    Top = 394
    Width = 95
    Height = 25
    Caption = 'Restore'
    OnClick = btnRestoreClick
  end
end
