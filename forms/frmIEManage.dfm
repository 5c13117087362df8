object frmIEManage: TfrmIEManage
  Left = 0
  Top = 0
  BorderStyle = bsNone
  Caption = 'IE Manager'
  ClientWidth = 579
  ClientHeight = 720
  Color = clWhite
  Font.Color = clWindowText
  Font.Height = -11
  Font.Name = 'Tahoma'
  Font.Style = []
  OnCreate = FormCreate
  object Label6: TLabel
    Left = 16
    Top = 10
    Width = 540
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
    Left = 16
    Top = 32
    Width = 550
    Height = 14
    AutoSize = False
    Caption = 
      'Allows to reinstall all the Internet Explorer Default settings a' +
      'nd repair errors.'
    Transparent = True
  end
  object Label1: TLabel
    Left = 16
    Top = 48
    Width = 550
    Height = 30
    AutoSize = False
    WordWrap = True
    Caption = 
      'Revovers your browser after it has been hijacked by Spyware, Adwa' +
      're, Browser Hijacker and Other Pests.'
    Transparent = True
  end
  object pgc_IE: TPageControl
    Left = 12
    Top = 80
    Width = 555
    Height = 306
    ActivePage = Hijack
    OnChange = pgc_IEChange
    object Hijack: TTabSheet
      Caption = 'Hijack Restore'
      object VST_Hijack: TVirtualStringTree
        Align = alClient
        Header.Options = [hoVisible, hoColumnResize]
        Header.Columns = <
          item
            Text = 'setting'
            Width = 195
          end
          item
            Text = 'Current Setting'
            Width = 155
          end
          item
            Text = 'Restore Setting'
            Width = 180
          end>
        TreeOptions.PaintOptions = [toShowHorzGridLines, toShowVertGridLines]
        TreeOptions.SelectionOptions = [toFullRowSelect]
        OnInitNode = VST_InitNode
        OnGetText = VST_HijackGetText
        OnPaintText = VST_HijackPaintText
      end
    end
    object BHO: TTabSheet
      Caption = 'BHO Manager'
      object VST_BHO: TVirtualStringTree
        Align = alClient
        Header.Options = [hoVisible, hoColumnResize]
        Header.Columns = <
          item
            Text = 'BHO Name'
            Width = 170
          end
          item
            Text = 'File Path'
            Width = 250
          end
          item
            Text = 'BHO Type'
            Width = 110
          end>
        TreeOptions.PaintOptions = [toShowHorzGridLines, toShowVertGridLines]
        TreeOptions.SelectionOptions = [toFullRowSelect]
        OnInitNode = VST_InitNode
        OnGetText = VST_BHOGetText
      end
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
  object VST_IE: TVirtualStringTree
    Left = 12
    Top = 450
    Width = 555
    Height = 220
    Header.Options = [hoVisible, hoColumnResize]
    Header.Columns = <
      item
        Text = 'Description'
        Width = 400
      end
      item
        Text = 'Status'
        Width = 130
      end>
    TreeOptions.PaintOptions = [toShowHorzGridLines, toShowVertGridLines]
    TreeOptions.SelectionOptions = [toFullRowSelect]
    OnInitNode = VST_InitNode
    OnGetText = VST_IEGetText
    OnPaintText = VST_IEPaintText
  end
  object Button5: TButton
    Left = 12
    Top = 682
    Width = 95
    Height = 25
    Caption = '刷新列表'
    OnClick = Button5Click
  end
  object Button4: TButton
    Left = 112
    Top = 682
    Width = 95
    Height = 25
    Caption = '恢复'
    OnClick = Button4Click
  end
  object Button2: TButton
    Left = 212
    Top = 682
    Width = 95
    Height = 25
    Action = acIERecoverRefresh
  end
  object Button6: TButton
    Left = 312
    Top = 682
    Width = 95
    Height = 25
    Action = acIEBHORefresh
  end
  object Button7: TButton
    Left = 412
    Top = 682
    Width = 110
    Height = 25
    Action = IEBHOClear
  end
  object ActionList1: TActionList
    object acIERecoverRefresh: TAction
      Caption = '刷新列表'
      OnExecute = acIERecoverRefreshExecute
    end
    object acIERecoverRecover: TAction
      Caption = '恢复'
      OnExecute = acIERecoverRecoverExecute
    end
    object acIEBHORefresh: TAction
      Caption = '刷新'
      OnExecute = acIEBHORefreshExecute
    end
    object IEBHOClear: TAction
      Caption = '清理选中的插件'
      OnExecute = IEBHOClearExecute
    end
  end
end
