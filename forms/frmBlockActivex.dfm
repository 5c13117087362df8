object frmBlockActivex: TfrmBlockActivex
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
    Caption = 'Check and block malicious ActiveX to improve system security.'
    Transparent = True
    Font.Color = $00726860
    ParentFont = False
  end
  object GroupBox1: TGroupBox
    Left = 8
    Top = 60
    Width = 563
    Height = 318
    Caption = 'Bad Activex List'
    object VST_Activex: TVirtualStringTree
      Left = 4
      Top = 18
      Width = 555
      Height = 290
      Images = ImageList1
      DefaultNodeHeight = 20
      Header.Options = [hoVisible]
      Header.Columns = <
      item
        Text = 'Item'
        Width = 200
      end
      item
        Text = 'CLSID'
        Width = 275
      end
      item
        Text = 'Status'
        Width = 60
      end>
      TreeOptions.PaintOptions = [toShowHorzGridLines, toShowVertGridLines]
      TreeOptions.SelectionOptions = [toFullRowSelect]
      OnGetText = VST_ActivexGetText
      OnInitNode = VST_ActivexInitNode
      OnGetImageIndex = VST_ActivexGetImageIndex
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
    Width = 230
    Height = 17
    Max = 1422
    Visible = False
  end
  object btnOK: TButton
    Left = 396
    Top = 387
    Width = 80
    Height = 25
    Caption = 'Block'
    OnClick = btnOKClick
  end
  object btnCancel: TButton
    Left = 486
    Top = 387
    Width = 80
    Height = 25
    Caption = 'Unlock'
    OnClick = btnCancelClick
  end
  object ImageList1: TImageList
    Bitmap.File = 'activex/tree16.bmp'
  end
end
