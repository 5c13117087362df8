object frmErrorClean: TfrmErrorClean
  Left = 0
  Top = 0
  BorderStyle = bsNone
  Caption = 'Error Repair'
  ClientWidth = 579
  ClientHeight = 433
  Color = clWhite
  Font.Color = clWindowText
  Font.Height = -11
  Font.Name = 'Tahoma'
  Font.Style = []
  OnCreate = FormCreate
  object alErrorClean: TActionList
    object acErrorClean: TAction
      Caption = #28165#38500#36873#20013#30340#38169#35823
      OnExecute = acErrorCleanExecute
    end
    object acErrorRefresh: TAction
      Caption = #21047#26032#21015#34920
      OnExecute = acErrorRefreshExecute
    end
  end
  object Image3: TImage
    Left = 16
    Top = 8
    Width = 36
    Height = 36
    Picture.File = 'error/Image3.png'
  end
  object Label6: TLabel
    Left = 60
    Top = 10
    Width = 496
    Height = 16
    AutoSize = False
    Font.Color = $00603410
    Font.Height = -13
    Font.Name = 'Tahoma'
    Font.Style = [fsBold]
    ParentFont = False
    Transparent = True
  end
  object Label7: TLabel
    Left = 60
    Top = 30
    Width = 496
    Height = 13
    AutoSize = False
    Caption = 
      'Repair all kinds of commonly known problems like crashing, freez' +
      'ing and blue screen.'
    Transparent = True
  end
  object GroupBox1: TGroupBox
    Left = 12
    Top = 56
    Width = 545
    Height = 329
    Caption = 'Select Error Option'
    object lvError: TListView
      Left = 8
      Top = 18
      Width = 529
      Height = 301
      Checkboxes = True
      GridLines = True
      RowSelect = True
      ReadOnly = True
      ViewStyle = vsReport
      Columns = <
        item
          Caption = 'Error Info'
          Width = 505
        end>
      OnChange = lvErrorChange
    end
  end
  object cbSelectAll: TCheckBox
    Left = 16
    Top = 398
    Width = 300
    Height = 17
    Caption = 'Select All  (except IE5.x and IE6.x options)'
    OnClick = cbSelectAllClick
  end
  object Button1: TButton
    Left = 462
    Top = 394
    Width = 95
    Height = 25
    Action = acErrorClean
    Caption = 'Repair'
  end
  object Button2: TButton
    Left = 600
    Top = 394
    Width = 95
    Height = 25
    Action = acErrorRefresh
    Visible = False
  end
end
