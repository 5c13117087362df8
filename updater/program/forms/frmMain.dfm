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
  object SkinData1: TSkinData
    Active = True
    DisableTag = 99
    SkinControls = [xcMainMenu, xcPopupMenu, xcToolbar, xcControlbar, xcCombo, xcCheckBox, xcRadioButton, xcProgress, xcScrollbar, xcEdit, xcButton, xcBitBtn, xcSpeedButton, xcSpin, xcPanel, xcGroupBox, xcStatusBar, xcTab, xcTrackBar, xcSystemMenu]
    Options = [xoPreview, xoToolbarBK, xoCaptionButtonHint]
    Skin3rd.Strings = (
      'TCategoryButtons=scrollbar'
      'TVirtualStringTree=scrollbar'
      'TVirtualDrawTree=scrollbar'
      'TAdvPanelGroup=scrollbar'
      'THTMLViewer=scrollbar'
      'TDBCtrlGrid=scrollbar'
      'TImageEnMView=scrollbar'
      'TImageEnView=scrollbar'
      'TAdvMemo=scrollbar'
      'TDBAdvMemo=scrollbar'
      'TPngSpeedbutton=pngspeedbutton'
      'TPngBitBtn=pngbitbtn'
      'TTBXDockablePanel=Panel'
      'TControlBar=Panel'
      'TTBDock=Panel'
      'TTBToolbar=Panel'
      'TRzGroup=Panel'
      'TLMDCalculator=panel'
      'TLMDGROUPBOX=panel'
      'TLMDSIMPLEPANEL=panel'
      'TLMDDBCalendar=panel'
      'TLMDButtonPanel=panel'
      'TLMDLMDCalculator=panel'
      'TLMDHeaderPanel=panel'
      'TLMDTechnicalLine=panel'
      'TLMDLMDClock=panel'
      'TLMDTrackbar=panel'
      'TComboboxex=combobox'
      'TcxDBLookupComboBox=combobox'
      'TcxDBComboBox=combobox'
      'TcxDBDateEdit=combobox'
      'TcxDBImageComboBox=combobox'
      'TcxDBCalcEdit=combobox'
      'TcxDBBlobEdit=combobox'
      'TcxDBPopupEdit=combobox'
      'TcxDBFontNameComboBox=combobox'
      'TcxDBShellComboBox=combobox'
      'TRxLookupEdit=combobox'
      'TRxDBLookupCombo=combobox'
      'TRzDateTimeEdit=combobox'
      'TRzColorEdit=combobox'
      'TRzDateTimePicker=combobox'
      'TRzDBDateTimeEdit=combobox'
      'TRzDbColorEdit=combobox'
      'TRzDBDateTimePicker=combobox'
      'TLMDListCombobox=Combobox'
      'TLMDCheckListCombobox=Combobox'
      'TLMDHeaderListCombobox=Combobox'
      'TLMDImageCombobox=Combobox'
      'TLMDColorCombobox=Combobox'
      'TLMDFontCombobox=Combobox'
      'TLMDFontSizeCombobox=Combobox'
      'TLMDFontSizeCombobox=Combobox'
      'TLMDPrinterCombobox=Combobox'
      'TLMDDriveCombobox=Combobox'
      'TLMDCalculatorComboBox=Combobox'
      'TLMDTrackBarComboBox=Combobox'
      'TLMDCalendarComboBox=Combobox'
      'TLMDTreeComboBox=Combobox'
      'TDBLookupCombobox=Combobox'
      'TWWDBCombobox=Combobox'
      'TWWDBCombobox=Combobox'
      'TWWDBLookupCombo=Combobox'
      'TWWKeyCombo=Combobox'
      'TWWTempKeyCombo=Combobox'
      'TWWDBDateTimePicker=Combobox'
      'TRxSpeedButton=speedbutton'
      'TfrSpeedButton=speedbutton'
      'TfrTBButton=speedbutton'
      'TRzButton=button'
      'TRzBitbtn=bitbtn'
      'TLMDButton=bitbtn'
      'TcxButton=bitbtn'
      'TRzMenuButton=menubtn'
      'TRzCheckGroup=CheckGroup'
      'TLMDCheckGroup=CheckGroup'
      'TLMDDBCheckGroup=CheckGroup'
      'TRzRadioGroup=Radiogroup'
      'TRzDBRadioGroup=Radiogroup'
      'TLMDRADIOGROUP=radiogroup'
      'TLMDDBRADIOGROUP=radiogroup'
      'TWWRADIOGROUP=radiogroup'
      'TcxDBRadioGroup=radiogroup'
      'TcxRadioGroup=radiogroup'
      'TRzDBRadioButton=Radiobutton'
      'TLMDRadiobutton=Radiobutton'
      'TDBCheckboxEh=Checkbox'
      'TDBCheckboxEh=Checkbox'
      'TLMDCHECKBOX=Checkbox'
      'TLMDDBCHECKBOX=Checkbox'
      'TLMDGroupBox=Groupbox'
      'TcxGroupbox=groupbox'
      'TRzButtonEdit=Edit'
      'TLMDCalculatorEdit=Edit'
      'TLMDEDIT=edit'
      'TLMDMASKEDIT=edit'
      'TLMDBROWSEEDIT=edit'
      'TLMDEXTSPINEDIT=edit'
      'TLMDCALENDAREDIT=edit'
      'TLMDFILEOPENEDIT=edit'
      'TLMDFILESAVEEDIT=edit'
      'TLMDCOLOREDIT=edit'
      'TLMDDBEDIT=edit'
      'TLMDDBMASKEDIT=edit'
      'TLMDDBEXTSPINEDIT=edit'
      'TLMDDBSPINEDIT=edit'
      'TLMDDBEDITDBLookup=edit'
      'TLMDEDITDBLookup=edit'
      'TWWDBEDIT=edit'
      'TOVCPICTUREFIELD=edit'
      'TOVCDBPICTUREFIELD=edit'
      'TOVCSLIDEREDIT=edit'
      'TOVCDBSLIDEREDIT=edit'
      'TOVCSIMPLEFIELD=edit'
      'TOVCDBSIMPLEFIELD=edit'
      'TO32DBFLEXEDIT=edit'
      'TOVCNUMERICFIELD=edit'
      'TOVCDBNUMERICFIELD=edit')
    SkinFormtype = sfMainform
    Version = '1.0.0.0'
    MenuUpdate = True
    MenuMerge = False
    SkinStream.File = 'skin/quillstead.skn'
  end
end
