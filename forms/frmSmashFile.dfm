object frmSmashFile: TfrmSmashFile
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
  object Panel1: TPanel
    Left = 0
    Top = 0
    Width = 579
    Height = 433
    Align = alClient
    BevelOuter = bvNone
    Color = clWhite
    object Image3: TImage
      Left = 16
      Top = 10
      Width = 40
      Height = 40
      Picture.File = 'shredder/Image3.png'
    end
    object Label6: TLabel
      Left = 64
      Top = 12
      Width = 498
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
      Left = 64
      Top = 34
      Width = 498
      Height = 14
      AutoSize = False
      Caption = 'Erases files permanently so that no one can recover them.'
      Transparent = True
      Font.Color = $00726860
      ParentFont = False
    end
    object Image7: TImage
      Left = 16
      Top = 56
      Width = 546
      Height = 2
      Stretch = True
      Picture.File = 'shredder/Image7.png'
    end
    object Label4: TLabel
      Left = 16
      Top = 62
      Width = 546
      Height = 28
      AutoSize = False
      WordWrap = True
      Caption = 'It is effective to destroy sensitive data so that it can'#39't be recovered by others. It uses the American DOD'
      Transparent = True
    end
    object Label5: TLabel
      Left = 16
      Top = 90
      Width = 546
      Height = 14
      AutoSize = False
      Caption = '5220.22-M method developed by US Department of Defense to securely remove the data.'
      Transparent = True
    end
    object lvSmashFile: TListView
      Left = 16
      Top = 108
      Width = 546
      Height = 194
      Columns = <
        item
          Caption = 'File Name'
          Width = 250
        end
        item
          Caption = 'Path'
          Width = 150
        end
        item
          Caption = 'Status'
          Width = 140
        end>
      GridLines = True
      MultiSelect = True
      ReadOnly = True
      RowSelect = True
      ViewStyle = vsReport
    end
    object GroupBox1: TGroupBox
      Left = 16
      Top = 308
      Width = 300
      Height = 104
      Caption = 'Shred Level'
      object RB_1: TRadioButton
        Left = 14
        Top = 22
        Width = 278
        Height = 20
        Caption = 'Quick(1 overtime pass) '
        Checked = True
      end
      object RB_2: TRadioButton
        Left = 14
        Top = 48
        Width = 278
        Height = 20
        Caption = 'Safe(DOD 5220.22-M:3 overtime pass) '
      end
      object RB_3: TRadioButton
        Left = 14
        Top = 74
        Width = 278
        Height = 20
        Caption = 'Thorough(7 overtime pass) '
      end
    end
    object Image6: TImage
      Left = 328
      Top = 311
      Width = 16
      Height = 16
      Picture.File = 'shredder/Image6.png'
    end
    object Label1: TLabel
      Left = 350
      Top = 312
      Width = 212
      Height = 14
      AutoSize = False
      Caption = 'Warning:'
      Transparent = True
      Font.Color = clRed
      Font.Height = -11
      Font.Name = 'Tahoma'
      Font.Style = [fsBold]
      ParentFont = False
    end
    object Label3: TLabel
      Left = 328
      Top = 330
      Width = 234
      Height = 14
      AutoSize = False
      Caption = 'File cannot be recovered after shred'
      Transparent = True
      Font.Color = clWindowText
      Font.Height = -11
      Font.Name = 'Tahoma'
      Font.Style = [fsBold]
      ParentFont = False
    end
    object Button1: TButton
      Left = 328
      Top = 352
      Width = 114
      Height = 25
      Action = acSmashFileAdd
    end
    object Button2: TButton
      Left = 448
      Top = 352
      Width = 114
      Height = 25
      Action = acSmashFileRemove
    end
    object Button3: TButton
      Left = 328
      Top = 384
      Width = 234
      Height = 26
      Action = acSmashFileDoIt
      Caption = 'Shred'
      Font.Color = clRed
      Font.Height = -12
      Font.Name = 'Tahoma'
      Font.Style = [fsBold]
      ParentFont = False
    end
    object Label2: TLabel
      Left = 600
      Top = 420
      Width = 60
      Height = 14
      Cursor = crHandPoint
      Caption = '粉碎设置'
      Visible = False
      Font.Color = clGreen
      Font.Height = -11
      Font.Name = 'Tahoma'
      Font.Style = [fsUnderline]
      ParentFont = False
      OnClick = Label2Click
    end
  end
  object opendlgSmashFileAdd: TOpenDialog
    Filter = 'All Files(*.*)'
    Options = [ofHideReadOnly, ofAllowMultiSelect, ofEnableSizing]
  end
  object alSmashFile: TActionList
    object acSmashFileAdd: TAction
      Caption = 'Add File(s)'
      OnExecute = acSmashFileAddExecute
      OnUpdate = acSmashFileAddUpdate
    end
    object acSmashFileRemove: TAction
      Caption = 'Remove'
      OnExecute = acSmashFileRemoveExecute
      OnUpdate = acSmashFileRemoveUpdate
    end
    object acSmashFileDoIt: TAction
      Caption = '粉碎选中的文件'
      OnExecute = acSmashFileDoItExecute
      OnUpdate = acSmashFileDoItUpdate
    end
  end
end
