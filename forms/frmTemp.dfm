object frmTemp: TfrmTemp
  Tag = 99
  Left = 0
  Top = 0
  Width = 400
  Height = 300
  AlphaBlend = True
  AlphaBlendValue = 180
  BorderStyle = bsNone
  Caption = 'Quillstead v4.0'
  ClientHeight = 300
  ClientWidth = 400
  Color = clBlack
end
