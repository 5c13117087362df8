object frmCPUMemory: TfrmCPUMemory
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
  object Label6: TLabel
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
  object Label7: TLabel
    Left = 16
    Top = 32
    Width = 420
    Height = 16
    AutoSize = False
    Caption = 'Speed up memory release and improve its usage.'
    Transparent = True
    Font.Color = $00726860
    ParentFont = False
  end
  object Label2: TLabel
    Left = 16
    Top = 62
    Width = 200
    Height = 16
    AutoSize = False
    Caption = 'Last Optimize Time'
    Transparent = True
    Font.Color = $00603410
    Font.Height = -13
    Font.Name = 'Tahoma'
    Font.Style = [fsBold]
    ParentFont = False
  end
  object lblLast: TLabel
    Left = 16
    Top = 84
    Width = 400
    Height = 26
    AutoSize = False
    Caption = 'Not Optimized'
    Transparent = True
    Font.Color = clRed
    Font.Height = -21
    Font.Name = 'Tahoma'
    Font.Style = [fsBold]
    ParentFont = False
  end
  object lblLastDT: TLabel
    Left = 16
    Top = 114
    Width = 400
    Height = 16
    AutoSize = False
    Caption = ''
    Transparent = True
  end
  object btnOptimize1: TImageEx
    Left = 442
    Top = 62
    Width = 120
    Height = 36
    Cursor = crHandPoint
    Picture.File = 'memory/btnOptimize_normal.png'
    OnClick = btnOptimizeClick
    NormalGlyph.File = 'memory/btnOptimize_normal.png'
    DownGlyph.File = 'memory/btnOptimize_down.png'
    OverGlyph.File = 'memory/btnOptimize_over.png'
  end
  object Label1: TLabel
    Left = 16
    Top = 144
    Width = 300
    Height = 16
    AutoSize = False
    Caption = 'CPU / Memory  Usage History'
    Transparent = True
    Font.Color = $00603410
    Font.Height = -13
    Font.Name = 'Tahoma'
    Font.Style = [fsBold]
    ParentFont = False
  end
  object pb: TPaintBox
    Left = 16
    Top = 166
    Width = 473
    Height = 178
    OnPaint = pbPaint
  end
  object lbl1: TLabel
    Left = 16
    Top = 350
    Width = 473
    Height = 16
    AutoSize = False
    Caption = ''
    Transparent = True
  end
  object DefGauge: TGauge
    Left = 16
    Top = 384
    Width = 400
    Height = 18
    MaxValue = 100
    Progress = 0
    Visible = False
  end
  object btnOptimize: TImageEx
    Left = 442
    Top = 378
    Width = 120
    Height = 36
    Cursor = crHandPoint
    Picture.File = 'memory/btnOptimize_normal.png'
    OnClick = btnOptimizeClick
    NormalGlyph.File = 'memory/btnOptimize_normal.png'
    DownGlyph.File = 'memory/btnOptimize_down.png'
    OverGlyph.File = 'memory/btnOptimize_over.png'
  end
  object tmr1: TTimer
    Interval = 1000
    OnTimer = tmr1Timer
  end
end
