object frmLsp: TfrmLsp
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
    Caption = 'Restore the Winsock2 default settings that have been changed by the malicious software.'
    Transparent = True
    Font.Color = $00726860
    ParentFont = False
  end
  object GroupBox1: TGroupBox
    Left = 8
    Top = 60
    Width = 563
    Height = 322
    Caption = 'Winsock32 List'
    object lvLsp: TListView
      Left = 4
      Top = 18
      Width = 555
      Height = 296
      GridLines = True
      RowSelect = True
      ReadOnly = True
      SmallImages = imglstLsp
      ViewStyle = vsReport
      Columns = <
        item
          Caption = 'Location Index'
          Width = 100
        end
        item
          Caption = 'Protocol'
          Width = 215
        end
        item
          Caption = 'DLL Path'
          Width = 215
        end
        item
          Caption = #25551#36848
          Width = 0
        end
        item
          Caption = #20844#21496
          Width = 0
        end
        item
          Caption = 'CLSID'
          Width = 0
        end>
    end
  end
  object btnRestore: TButton
    Left = 286
    Top = 392
    Width = 86
    Height = 26
    Action = acLspRestore
    Visible = False
  end
  object btnRefresh: TButton
    Left = 383
    Top = 392
    Width = 86
    Height = 26
    Action = acLspRefresh
    Visible = False
  end
  object btnRepair: TButton
    Left = 480
    Top = 392
    Width = 86
    Height = 26
    Action = acLspRepair
  end
  object imglstLsp: TImageList
    Bitmap.File = 'lsp/state16.bmp'
  end
  object alLsp: TActionList
    object acLspRepair: TAction
      Caption = 'Restore'
      OnExecute = acLspRepairExecute
    end
    object acLspRestore: TAction
      Caption = #24674#22797
      Visible = False
      OnExecute = acLspRestoreExecute
    end
    object acLspRefresh: TAction
      Caption = 'Refresh'
      Visible = False
      OnExecute = acLspRefreshExecute
    end
  end
end
