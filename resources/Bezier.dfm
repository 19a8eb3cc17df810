object Form1: TForm1
  Left = 272
  Top = 108
  BorderIcons = []
  BorderStyle = bsSingle
  Caption = 'Bezier'
  ClientHeight = 495
  ClientWidth = 789
  Color = clBtnFace
  Font.Color = clWindowText
  Font.Height = -11
  Font.Name = 'MS Sans Serif'
  Font.Style = []
  Menu = MainMenu
  OnCreate = FormCreate
  object Gb: TGroupBox
    Left = 8
    Top = 8
    Width = 265
    Height = 73
    Caption = 'Jumlah Kurva Bezier'
    TabOrder = 0
    object Jumlahkurva: TLabel
      Left = 8
      Top = 24
      Width = 99
      Height = 13
      Caption = 'Nilai m (1 < m < 10 :) '
    end
    object EdM: TsEdit
      Left = 120
      Top = 24
      Width = 121
      Height = 21
      TabOrder = 0
      OnExit = EdMExit
    end
  end
  object GroupBox: TGroupBox
    Left = 8
    Top = 96
    Width = 265
    Height = 65
    Caption = 'Jumlah Kontrol Point'
    TabOrder = 1
    object JumlahTikon: TLabel
      Left = 8
      Top = 24
      Width = 95
      Height = 13
      Caption = 'Nilai n (1 < n < 10 :) '
    end
    object EdN: TsEdit
      Left = 120
      Top = 16
      Width = 121
      Height = 21
      TabOrder = 0
      OnExit = EdNExit
    end
  end
  object SGInput: TsuiStringGrid
    Left = 8
    Top = 216
    Width = 265
    Height = 241
    BorderStyle = bsNone
    ColCount = 4
    Ctl3D = False
    DefaultColWidth = 64
    DefaultRowHeight = 24
    FixedCols = 1
    RowCount = 4
    FixedRows = 1
    Font.Color = clBlack
    Font.Height = -11
    Font.Name = 'MS Sans Serif'
    Font.Style = []
    ParentFont = False
    TabOrder = 2
    OnDblClick = SGInputDblClick
    OnKeyPress = SGInputKeyPress
    OnSelectCell = SGInputSelectCell
    UIStyle = DeepBlue
    BGColor = 15263976
    BorderColor = clMenuHighlight
    FocusedColor = clAqua
    SelectedColor = clYellow
    FixedFontColor = clBlack
    FixedBGColor = clSkyBlue
    FontColor = clBlack
  end
  object Panel: TPanel
    Left = 280
    Top = 8
    Width = 505
    Height = 457
    TabOrder = 3
    object PaintBox: TPaintBox
      Left = 1
      Top = 1
      Width = 503
      Height = 455
      Align = alClient
      Color = clBtnFace
      ParentColor = False
    end
    object Image: TImage
      Left = 1
      Top = 1
      Width = 503
      Height = 455
      Align = alClient
    end
    object ListGrid: TListBox
      Left = 0
      Top = 0
      Width = 505
      Height = 457
      Color = clBtnFace
      TabOrder = 0
      Visible = False
    end
  end
  object Bar: TsGauge
    Left = 280
    Top = 472
    Width = 505
    Height = 17
    Progress = 0
    sStyle.GroupIndex = 0
    sStyle.SkinSection = 'TsGauge'
    sStyle.Painting.Color = clLime
    sStyle.Painting.ParentColor = False
    sStyle.Background.Image.Image.Data = {file 'BarPicture'}
    sStyle.Background.Image.Percent = 50
    sStyle.Background.Gradient.Data = '8421504;16777215;99;0;0;16777215;16777215;0;0;0'
    sStyle.Background.Gradient.Percent = 50
    Suffix = '%'
  end
  object CheckBox: TsCheckBox
    Left = 8
    Top = 192
    Width = 100
    Height = 20
    Caption = 'ClearCanvas'
    Checked = True
    Alignment = taLeftJustify
    TabOrder = 4
    TabStop = True
  end
  object BtnRandom: TsSpeedButton
    Left = 8
    Top = 464
    Width = 84
    Height = 22
    sStyle.GroupIndex = 0
    sStyle.SkinSection = 'TsSpeedButton'
    sStyle.Painting.Color = clBtnFace
    sStyle.Painting.ParentColor = False
    sStyle.Background.Gradient.Data = '12632256;16777215;49;0;0;16777215;8421504;34;0;0;8421504;16777215;16;0;0;16777215;16777215;0;0;0'
    sStyle.HotStyle.HotBackground.Gradient.Data = '8421504;8421504;6;0;0;8421504;16777215;47;0;0;16777215;12632256;28;0;0;12632256;14275020;18;0;0;14275020;14275020;0;0;0'
    sStyle.HotStyle.HotPainting.Transparency = 0
    Caption = 'Randomize'
    Spacing = 3
    OnClick = BtnRandomClick
  end
  object Gambar: TsSpeedButton
    Left = 184
    Top = 464
    Width = 84
    Height = 22
    sStyle.GroupIndex = 0
    sStyle.SkinSection = 'TsSpeedButton'
    sStyle.Painting.Color = clBtnFace
    sStyle.Painting.ParentColor = False
    sStyle.Background.Gradient.Data = '12632256;16777215;49;0;0;16777215;8421504;34;0;0;8421504;16777215;16;0;0;16777215;16777215;0;0;0'
    sStyle.HotStyle.HotBackground.Gradient.Data = '8421504;8421504;6;0;0;8421504;16777215;47;0;0;16777215;12632256;28;0;0;12632256;14275020;18;0;0;14275020;14275020;0;0;0'
    sStyle.HotStyle.HotPainting.Transparency = 0
    Caption = 'Gambar Kurva'
    Spacing = 3
    OnClick = GambarClick
  end
  object BtMxN: TsSpeedButton
    Left = 104
    Top = 176
    Width = 84
    Height = 22
    sStyle.GroupIndex = 0
    sStyle.SkinSection = 'TsSpeedButton'
    sStyle.Painting.Color = clBtnFace
    sStyle.Painting.ParentColor = False
    sStyle.Background.Gradient.Data = '12632256;16777215;49;0;0;16777215;8421504;34;0;0;8421504;16777215;16;0;0;16777215;16777215;0;0;0'
    sStyle.HotStyle.HotBackground.Gradient.Data = '8421504;8421504;6;0;0;8421504;16777215;47;0;0;16777215;12632256;28;0;0;12632256;14275020;18;0;0;14275020;14275020;0;0;0'
    sStyle.HotStyle.HotPainting.Transparency = 0
    Caption = 'Nilai (M x N)'
    Spacing = 3
    OnClick = BtMxNClick
  end
  object MainMenu: TMainMenu
    OwnerDraw = True
    object File1: TMenuItem
      Caption = 'File'
      object Open: TMenuItem
        Caption = 'Open'
        OnClick = OpenClick
      end
      object Save1: TMenuItem
        Caption = 'Save'
        OnClick = Save1Click
      end
      object SimpanGambar1: TMenuItem
        Caption = 'Simpan Gambar...'
      end
      object Tutup1: TMenuItem
        Caption = 'Close'
        OnClick = Tutup1Click
      end
    end
    object Image2: TMenuItem
      Caption = 'Tabel'
      object Reset1: TMenuItem
        Caption = 'Reset'
        OnClick = Reset1Click
      end
      object N1: TMenuItem
        Caption = '-'
      end
      object Undo1: TMenuItem
        Caption = 'Urungkan'
      end
      object Redo1: TMenuItem
        Caption = 'Ulangi'
      end
    end
    object Tampilan1: TMenuItem
      Caption = 'Tampilan'
      object View3D1: TMenuItem
        Caption = 'Tampilan 3-D'
        ShortCut = 114
      end
      object Skin1: TMenuItem
        Caption = 'Skin'
      end
      object GayaTabel1: TMenuItem
        Caption = 'Gaya Tabel'
      end
    end
    object About1: TMenuItem
      Caption = 'About'
      object About2: TMenuItem
        Caption = 'About'
        OnClick = About2Click
      end
    end
  end
  object OpenDialog: TOpenDialog
    Filter = '*.txt|*.txt|*.bak|*.BAK'
  end
  object SaveDialog: TSaveDialog
    DefaultExt = 'txt'
    Filter = '*.txt|*.txt'
  end
  object sSkinProvider1: TsSkinProvider
    BorderIcons = []
  end
  object sSkinManager1: TsSkinManager
    InternalSkins = <
      item
        Name = 'Velora2 (internal)'
        GeneralData = <
          item
            SectionName = 'TsDirectoryEdit'
            ParentClassName = 'TsEdit'
            PaintingColor = clWhite
            PaintingBevel = cbLoweredHard
            PaintingBevelWidth = 1
            ShadowBlur = 6
            ShadowColor = clBlack
            ShadowDontUse = False
            ShadowEnabled = False
            ReservedBoolean = False
            ShadowOffset = 3
            ShadowTransparency = 60
            FontColor = '0 -1 -1 -1 -1'
            HotFontColor = '0 -1 -1 -1 -1'
            PaintingTransparency = 0
            GradientPercent = 0
            GradientData = ' '
            ImagePercent = 0
            ShowFocus = False
            FadingEnabled = False
            FadingIntervalIn = 5
            FadingIntervalOut = 5
            FadingIterations = 5
            HotPaintingColor = clWhite
            HotPaintingTransparency = 0
            HotPaintingBevel = cbNone
            HotPaintingBevelWidth = 2
            HotGradientPercent = 0
            HotGradientData = ' '
            HotImagePercent = 0
            PaintingColorBorderTop = 12098687
            PaintingColorBorderBottom = 12098687
            SelectionBorderBevel = ebAsTopBorder
            SelectionBorderWidth = 1
            SelectionColor = clWhite
          end
          item
            SectionName = 'TsSpinEdit'
            ParentClassName = 'TsEdit'
            PaintingColor = clWhite
            PaintingBevel = cbLoweredHard
            PaintingBevelWidth = 1
            ShadowBlur = 6
            ShadowColor = clBlack
            ShadowDontUse = False
            ShadowEnabled = False
            ReservedBoolean = False
            ShadowOffset = 3
            ShadowTransparency = 60
            FontColor = '0 -1 -1 -1 -1'
            HotFontColor = '0 -1 -1 -1 -1'
            PaintingTransparency = 0
            GradientPercent = 0
            GradientData = ' '
            ImagePercent = 0
            ShowFocus = False
            FadingEnabled = False
            FadingIntervalIn = 5
            FadingIntervalOut = 5
            FadingIterations = 5
            HotPaintingColor = clWhite
            HotPaintingTransparency = 0
            HotPaintingBevel = cbNone
            HotPaintingBevelWidth = 2
            HotGradientPercent = 0
            HotGradientData = ' '
            HotImagePercent = 0
            PaintingColorBorderTop = 12098687
            PaintingColorBorderBottom = 12098687
            SelectionBorderBevel = ebAsTopBorder
            SelectionBorderWidth = 1
            SelectionColor = clWhite
          end
          item
            SectionName = 'TsComboEdit'
            ParentClassName = 'TsEdit'
            PaintingColor = clWhite
            PaintingBevel = cbLoweredHard
            PaintingBevelWidth = 1
            ShadowBlur = 6
            ShadowColor = clBlack
            ShadowDontUse = False
            ShadowEnabled = False
            ReservedBoolean = False
            ShadowOffset = 3
            ShadowTransparency = 60
            FontColor = '0 -1 -1 -1 -1'
            HotFontColor = '0 -1 -1 -1 -1'
            PaintingTransparency = 0
            GradientPercent = 0
            GradientData = ' '
            ImagePercent = 0
            ShowFocus = False
            FadingEnabled = False
            FadingIntervalIn = 5
            FadingIntervalOut = 5
            FadingIterations = 5
            HotPaintingColor = clWhite
            HotPaintingTransparency = 0
            HotPaintingBevel = cbNone
            HotPaintingBevelWidth = 2
            HotGradientPercent = 0
            HotGradientData = ' '
            HotImagePercent = 0
            PaintingColorBorderTop = 12098687
            PaintingColorBorderBottom = 12098687
            SelectionBorderBevel = ebAsTopBorder
            SelectionBorderWidth = 1
            SelectionColor = clWhite
          end
          item
            SectionName = 'TsMaskEdit'
            ParentClassName = 'TsEdit'
            PaintingColor = clWhite
            PaintingBevel = cbLoweredHard
            PaintingBevelWidth = 1
            ShadowBlur = 6
            ShadowColor = clBlack
            ShadowDontUse = False
            ShadowEnabled = False
            ReservedBoolean = False
            ShadowOffset = 3
            ShadowTransparency = 60
            FontColor = '0 -1 -1 -1 -1'
            HotFontColor = '0 -1 -1 -1 -1'
            PaintingTransparency = 0
            GradientPercent = 0
            GradientData = ' '
            ImagePercent = 0
            ShowFocus = False
            FadingEnabled = False
            FadingIntervalIn = 5
            FadingIntervalOut = 5
            FadingIterations = 5
            HotPaintingColor = clWhite
            HotPaintingTransparency = 0
            HotPaintingBevel = cbNone
            HotPaintingBevelWidth = 2
            HotGradientPercent = 0
            HotGradientData = ' '
            HotImagePercent = 0
            PaintingColorBorderTop = 12098687
            PaintingColorBorderBottom = 12098687
            SelectionBorderBevel = ebAsTopBorder
            SelectionBorderWidth = 1
            SelectionColor = clWhite
          end
          item
            SectionName = 'TsMemo'
            ParentClassName = 'TsEdit'
            PaintingColor = clWhite
            PaintingBevel = cbLoweredHard
            PaintingBevelWidth = 1
            ShadowBlur = 6
            ShadowColor = clBlack
            ShadowDontUse = False
            ShadowEnabled = False
            ReservedBoolean = False
            ShadowOffset = 3
            ShadowTransparency = 60
            FontColor = '0 -1 -1 -1 -1'
            HotFontColor = '0 -1 -1 -1 -1'
            PaintingTransparency = 0
            GradientPercent = 0
            GradientData = ' '
            ImagePercent = 0
            ShowFocus = False
            FadingEnabled = False
            FadingIntervalIn = 5
            FadingIntervalOut = 5
            FadingIterations = 5
            HotPaintingColor = clWhite
            HotPaintingTransparency = 0
            HotPaintingBevel = cbNone
            HotPaintingBevelWidth = 2
            HotGradientPercent = 0
            HotGradientData = ' '
            HotImagePercent = 0
            PaintingColorBorderTop = 12098687
            PaintingColorBorderBottom = 12098687
            SelectionBorderBevel = ebAsTopBorder
            SelectionBorderWidth = 1
            SelectionColor = clWhite
          end
          item
            SectionName = 'TsListBox'
            ParentClassName = 'TsEdit'
            PaintingColor = clWhite
            PaintingBevel = cbLoweredHard
            PaintingBevelWidth = 1
            ShadowBlur = 6
            ShadowColor = clBlack
            ShadowDontUse = False
            ShadowEnabled = False
            ReservedBoolean = False
            ShadowOffset = 3
            ShadowTransparency = 60
            FontColor = '0 -1 -1 -1 -1'
            HotFontColor = '0 -1 -1 -1 -1'
            PaintingTransparency = 0
            GradientPercent = 0
            GradientData = ' '
            ImagePercent = 0
            ShowFocus = False
            FadingEnabled = False
            FadingIntervalIn = 5
            FadingIntervalOut = 5
            FadingIterations = 5
            HotPaintingColor = clWhite
            HotPaintingTransparency = 0
            HotPaintingBevel = cbNone
            HotPaintingBevelWidth = 2
            HotGradientPercent = 0
            HotGradientData = ' '
            HotImagePercent = 0
            PaintingColorBorderTop = 12098687
            PaintingColorBorderBottom = 12098687
            SelectionBorderBevel = ebAsTopBorder
            SelectionBorderWidth = 1
            SelectionColor = clWhite
          end
          item
            SectionName = 'TsFileNameEdit'
            ParentClassName = 'TsEdit'
            PaintingColor = clWhite
            PaintingBevel = cbLoweredHard
            PaintingBevelWidth = 1
            ShadowBlur = 6
            ShadowColor = clBlack
            ShadowDontUse = False
            ShadowEnabled = False
            ReservedBoolean = False
            ShadowOffset = 3
            ShadowTransparency = 60
            FontColor = '0 -1 -1 -1 -1'
            HotFontColor = '0 -1 -1 -1 -1'
            PaintingTransparency = 0
            GradientPercent = 0
            GradientData = ' '
            ImagePercent = 0
            ShowFocus = False
            FadingEnabled = False
            FadingIntervalIn = 5
            FadingIntervalOut = 5
            FadingIterations = 5
            HotPaintingColor = clWhite
            HotPaintingTransparency = 0
            HotPaintingBevel = cbNone
            HotPaintingBevelWidth = 2
            HotGradientPercent = 0
            HotGradientData = ' '
            HotImagePercent = 0
            PaintingColorBorderTop = 12098687
            PaintingColorBorderBottom = 12098687
            SelectionBorderBevel = ebAsTopBorder
            SelectionBorderWidth = 1
            SelectionColor = clWhite
          end
          item
            SectionName = 'TsRadioButton'
            ParentClassName = 'TsEdit'
            PaintingColor = clWhite
            PaintingBevel = cbLoweredHard
            PaintingBevelWidth = 1
            ShadowBlur = 6
            ShadowColor = clBlack
            ShadowDontUse = False
            ShadowEnabled = False
            ReservedBoolean = False
            ShadowOffset = 3
            ShadowTransparency = 60
            FontColor = '0 -1 -1 -1 -1'
            HotFontColor = '0 -1 -1 -1 -1'
            PaintingTransparency = 0
            GradientPercent = 0
            GradientData = ' '
            ImagePercent = 0
            ShowFocus = False
            FadingEnabled = False
            FadingIntervalIn = 5
            FadingIntervalOut = 5
            FadingIterations = 5
            HotPaintingColor = clWhite
            HotPaintingTransparency = 0
            HotPaintingBevel = cbNone
            HotPaintingBevelWidth = 2
            HotGradientPercent = 0
            HotGradientData = ' '
            HotImagePercent = 0
            PaintingColorBorderTop = 12098687
            PaintingColorBorderBottom = 12098687
            SelectionBorderBevel = ebAsTopBorder
            SelectionBorderWidth = 1
            SelectionColor = clWhite
          end
          item
            SectionName = 'TsGroupBox'
            PaintingColor = 15461355
            PaintingBevel = cbRaisedSoft
            PaintingBevelWidth = 2
            ShadowBlur = 6
            ShadowColor = clBlack
            ShadowDontUse = False
            ShadowEnabled = False
            ReservedBoolean = False
            ShadowOffset = 3
            ShadowTransparency = 60
            FontColor = '0 -1 -1 -1 -1'
            HotFontColor = '0 -1 -1 -1 -1'
            PaintingTransparency = 0
            GradientPercent = 100
            GradientData = '16777215;15987699;17;0;0;15987699;15658734;71;0;0;15658734;14737632;11;0;0;14737632;14737632;0;0;0'
            ImagePercent = 0
            ShowFocus = False
            FadingEnabled = False
            FadingIntervalIn = 5
            FadingIntervalOut = 5
            FadingIterations = 5
            HotPaintingColor = clWhite
            HotPaintingTransparency = 0
            HotPaintingBevel = cbNone
            HotPaintingBevelWidth = 2
            HotGradientPercent = 0
            HotGradientData = ' '
            HotImagePercent = 0
            PaintingColorBorderTop = clBlack
            PaintingColorBorderBottom = clBlack
            SelectionBorderBevel = ebLowered
            SelectionBorderWidth = 2
            SelectionColor = clWhite
          end
          item
            SectionName = 'TsStatusBar'
            ParentClassName = 'TsPanel'
            PaintingColor = 15461355
            PaintingBevel = cbRaisedSoft
            PaintingBevelWidth = 2
            ShadowBlur = 6
            ShadowColor = clBlack
            ShadowDontUse = False
            ShadowEnabled = False
            ReservedBoolean = False
            ShadowOffset = 3
            ShadowTransparency = 60
            FontColor = '0 -1 -1 -1 -1'
            HotFontColor = '0 -1 -1 -1 -1'
            PaintingTransparency = 0
            GradientPercent = 100
            GradientData = '16777215;15987699;17;0;0;15987699;15658734;71;0;0;15658734;14737632;11;0;0;14737632;14737632;0;0;0'
            ImagePercent = 0
            ShowFocus = False
            FadingEnabled = False
            FadingIntervalIn = 5
            FadingIntervalOut = 5
            FadingIterations = 5
            HotPaintingColor = clWhite
            HotPaintingTransparency = 0
            HotPaintingBevel = cbNone
            HotPaintingBevelWidth = 2
            HotGradientPercent = 0
            HotGradientData = ' '
            HotImagePercent = 0
            PaintingColorBorderTop = clBlack
            PaintingColorBorderBottom = clBlack
            SelectionBorderBevel = ebLowered
            SelectionBorderWidth = 2
            SelectionColor = clWhite
          end
          item
            SectionName = 'TsDateEdit'
            ParentClassName = 'TsEdit'
            PaintingColor = clWhite
            PaintingBevel = cbLoweredHard
            PaintingBevelWidth = 1
            ShadowBlur = 6
            ShadowColor = clBlack
            ShadowDontUse = False
            ShadowEnabled = False
            ReservedBoolean = False
            ShadowOffset = 3
            ShadowTransparency = 60
            FontColor = '0 -1 -1 -1 -1'
            HotFontColor = '0 -1 -1 -1 -1'
            PaintingTransparency = 0
            GradientPercent = 0
            GradientData = ' '
            ImagePercent = 0
            ShowFocus = False
            FadingEnabled = False
            FadingIntervalIn = 5
            FadingIntervalOut = 5
            FadingIterations = 5
            HotPaintingColor = clWhite
            HotPaintingTransparency = 0
            HotPaintingBevel = cbNone
            HotPaintingBevelWidth = 2
            HotGradientPercent = 0
            HotGradientData = ' '
            HotImagePercent = 0
            PaintingColorBorderTop = 12098687
            PaintingColorBorderBottom = 12098687
            SelectionBorderBevel = ebAsTopBorder
            SelectionBorderWidth = 1
            SelectionColor = clWhite
          end
          item
            SectionName = 'TsCheckBox'
            ParentClassName = 'TsEdit'
            PaintingColor = clWhite
            PaintingBevel = cbLoweredHard
            PaintingBevelWidth = 1
            ShadowBlur = 6
            ShadowColor = clBlack
            ShadowDontUse = False
            ShadowEnabled = False
            ReservedBoolean = False
            ShadowOffset = 3
            ShadowTransparency = 60
            FontColor = '0 -1 -1 -1 -1'
            HotFontColor = '0 -1 -1 -1 -1'
            PaintingTransparency = 0
            GradientPercent = 0
            GradientData = ' '
            ImagePercent = 0
            ShowFocus = False
            FadingEnabled = False
            FadingIntervalIn = 5
            FadingIntervalOut = 5
            FadingIterations = 5
            HotPaintingColor = clWhite
            HotPaintingTransparency = 0
            HotPaintingBevel = cbNone
            HotPaintingBevelWidth = 2
            HotGradientPercent = 0
            HotGradientData = ' '
            HotImagePercent = 0
            PaintingColorBorderTop = 12098687
            PaintingColorBorderBottom = 12098687
            SelectionBorderBevel = ebAsTopBorder
            SelectionBorderWidth = 1
            SelectionColor = clWhite
          end
          item
            SectionName = 'TsTabSheet'
            PaintingColor = 15461355
            PaintingBevel = cbNone
            PaintingBevelWidth = 2
            ShadowBlur = 6
            ShadowColor = clBlack
            ShadowDontUse = False
            ShadowEnabled = False
            ReservedBoolean = False
            ShadowOffset = 3
            ShadowTransparency = 60
            FontColor = '0 -1 -1 -1 -1'
            HotFontColor = '0 -1 -1 -1 -1'
            PaintingTransparency = 0
            GradientPercent = 100
            GradientData = '16777215;15987699;17;0;0;15987699;15658734;71;0;0;15658734;14737632;11;0;0;14737632;14737632;0;0;0'
            ImagePercent = 0
            ShowFocus = False
            FadingEnabled = False
            FadingIntervalIn = 5
            FadingIntervalOut = 5
            FadingIterations = 5
            HotPaintingColor = clWhite
            HotPaintingTransparency = 0
            HotPaintingBevel = cbNone
            HotPaintingBevelWidth = 2
            HotGradientPercent = 0
            HotGradientData = ' '
            HotImagePercent = 0
            PaintingColorBorderTop = clBlack
            PaintingColorBorderBottom = clBlack
            SelectionBorderBevel = ebLowered
            SelectionBorderWidth = 2
            SelectionColor = clWhite
          end
          item
            SectionName = 'TsComboBox'
            ParentClassName = 'TsEdit'
            PaintingColor = clWhite
            PaintingBevel = cbLoweredHard
            PaintingBevelWidth = 1
            ShadowBlur = 6
            ShadowColor = clBlack
            ShadowDontUse = False
            ShadowEnabled = False
            ReservedBoolean = False
            ShadowOffset = 3
            ShadowTransparency = 60
            FontColor = '0 -1 -1 -1 -1'
            HotFontColor = '0 -1 -1 -1 -1'
            PaintingTransparency = 0
            GradientPercent = 0
            GradientData = ' '
            ImagePercent = 0
            ShowFocus = False
            FadingEnabled = False
            FadingIntervalIn = 5
            FadingIntervalOut = 5
            FadingIterations = 5
            HotPaintingColor = clWhite
            HotPaintingTransparency = 0
            HotPaintingBevel = cbNone
            HotPaintingBevelWidth = 2
            HotGradientPercent = 0
            HotGradientData = ' '
            HotImagePercent = 0
            PaintingColorBorderTop = 12098687
            PaintingColorBorderBottom = 12098687
            SelectionBorderBevel = ebAsTopBorder
            SelectionBorderWidth = 1
            SelectionColor = clWhite
          end
          item
            SectionName = 'TsColorSelect'
            ParentClassName = 'TsButton'
            PaintingColor = 15263976
            PaintingBevel = cbNone
            PaintingBevelWidth = 2
            ShadowBlur = 6
            ShadowColor = clBlack
            ShadowDontUse = False
            ShadowEnabled = False
            ReservedBoolean = False
            ShadowOffset = 3
            ShadowTransparency = 60
            FontColor = '0 -1 -1 -1 -1'
            HotFontColor = '0 -1 -1 -1 -1'
            PaintingTransparency = 50
            GradientPercent = 0
            GradientData = ' '
            ImagePercent = 0
            ShowFocus = False
            FadingEnabled = True
            FadingIntervalIn = 5
            FadingIntervalOut = 5
            FadingIterations = 4
            HotPaintingColor = 13466380
            HotPaintingTransparency = 60
            HotPaintingBevel = cbNone
            HotPaintingBevelWidth = 2
            HotGradientPercent = 0
            HotGradientData = ' '
            HotImagePercent = 0
            PaintingColorBorderTop = clBlack
            PaintingColorBorderBottom = clBlack
            SelectionBorderBevel = ebLowered
            SelectionBorderWidth = 2
            SelectionColor = clWhite
          end
          item
            SectionName = 'TsEditButton'
            PaintingColor = 15263976
            PaintingBevel = cbNone
            PaintingBevelWidth = 2
            ShadowBlur = 6
            ShadowColor = clBlack
            ShadowDontUse = False
            ShadowEnabled = False
            ReservedBoolean = False
            ShadowOffset = 3
            ShadowTransparency = 60
            FontColor = '0 -1 -1 -1 -1'
            HotFontColor = '0 -1 -1 -1 -1'
            PaintingTransparency = 50
            GradientPercent = 0
            GradientData = ' '
            ImagePercent = 0
            ShowFocus = False
            FadingEnabled = True
            FadingIntervalIn = 5
            FadingIntervalOut = 5
            FadingIterations = 4
            HotPaintingColor = 13466380
            HotPaintingTransparency = 60
            HotPaintingBevel = cbNone
            HotPaintingBevelWidth = 2
            HotGradientPercent = 0
            HotGradientData = ' '
            HotImagePercent = 0
            PaintingColorBorderTop = clBlack
            PaintingColorBorderBottom = clBlack
            SelectionBorderBevel = ebLowered
            SelectionBorderWidth = 2
            SelectionColor = clWhite
          end
          item
            SectionName = 'TsMonthCalendar'
            ParentClassName = 'TsPanel'
            PaintingColor = 15461355
            PaintingBevel = cbNone
            PaintingBevelWidth = 2
            ShadowBlur = 6
            ShadowColor = clBlack
            ShadowDontUse = False
            ShadowEnabled = False
            ReservedBoolean = False
            ShadowOffset = 3
            ShadowTransparency = 60
            FontColor = '0 -1 -1 -1 -1'
            HotFontColor = '0 -1 -1 -1 -1'
            PaintingTransparency = 0
            GradientPercent = 100
            GradientData = '16777215;15987699;17;0;0;15987699;15658734;71;0;0;15658734;14737632;11;0;0;14737632;14737632;0;0;0'
            ImagePercent = 0
            ShowFocus = False
            FadingEnabled = False
            FadingIntervalIn = 5
            FadingIntervalOut = 5
            FadingIterations = 5
            HotPaintingColor = clWhite
            HotPaintingTransparency = 0
            HotPaintingBevel = cbNone
            HotPaintingBevelWidth = 2
            HotGradientPercent = 0
            HotGradientData = ' '
            HotImagePercent = 0
            PaintingColorBorderTop = clBlack
            PaintingColorBorderBottom = clBlack
            SelectionBorderBevel = ebLowered
            SelectionBorderWidth = 2
            SelectionColor = clWhite
          end
          item
            SectionName = 'TsTimerSpeedButton'
            ParentClassName = 'TsSpeedButton'
            PaintingColor = 15263976
            PaintingBevel = cbNone
            PaintingBevelWidth = 2
            ShadowBlur = 6
            ShadowColor = clBlack
            ShadowDontUse = False
            ShadowEnabled = False
            ReservedBoolean = False
            ShadowOffset = 3
            ShadowTransparency = 60
            FontColor = '0 -1 -1 -1 -1'
            HotFontColor = '0 -1 -1 -1 -1'
            PaintingTransparency = 50
            GradientPercent = 0
            GradientData = ' '
            ImagePercent = 0
            ShowFocus = False
            FadingEnabled = True
            FadingIntervalIn = 5
            FadingIntervalOut = 5
            FadingIterations = 4
            HotPaintingColor = 13466380
            HotPaintingTransparency = 60
            HotPaintingBevel = cbNone
            HotPaintingBevelWidth = 2
            HotGradientPercent = 0
            HotGradientData = ' '
            HotImagePercent = 0
            PaintingColorBorderTop = clBlack
            PaintingColorBorderBottom = clBlack
            SelectionBorderBevel = ebLowered
            SelectionBorderWidth = 2
            SelectionColor = clWhite
          end
          item
            SectionName = 'TsDBNavigator'
            ParentClassName = 'TsToolBar'
            PaintingColor = 15461355
            PaintingBevel = cbRaisedSoft
            PaintingBevelWidth = 2
            ShadowBlur = 6
            ShadowColor = clBlack
            ShadowDontUse = False
            ShadowEnabled = False
            ReservedBoolean = False
            ShadowOffset = 3
            ShadowTransparency = 60
            FontColor = '0 -1 -1 -1 -1'
            HotFontColor = '0 -1 -1 -1 -1'
            PaintingTransparency = 0
            GradientPercent = 100
            GradientData = '16777215;15987699;17;0;0;15987699;15658734;71;0;0;15658734;14737632;11;0;0;14737632;14737632;0;0;0'
            ImagePercent = 0
            ShowFocus = False
            FadingEnabled = False
            FadingIntervalIn = 5
            FadingIntervalOut = 5
            FadingIterations = 5
            HotPaintingColor = clWhite
            HotPaintingTransparency = 0
            HotPaintingBevel = cbNone
            HotPaintingBevelWidth = 2
            HotGradientPercent = 0
            HotGradientData = ' '
            HotImagePercent = 0
            PaintingColorBorderTop = clBlack
            PaintingColorBorderBottom = clBlack
            SelectionBorderBevel = ebLowered
            SelectionBorderWidth = 2
            SelectionColor = clWhite
          end
          item
            SectionName = 'TsNavButton'
            ParentClassName = 'TsToolButton'
            PaintingColor = 15263976
            PaintingBevel = cbNone
            PaintingBevelWidth = 2
            ShadowBlur = 6
            ShadowColor = clBlack
            ShadowDontUse = False
            ShadowEnabled = False
            ReservedBoolean = False
            ShadowOffset = 3
            ShadowTransparency = 60
            FontColor = '0 -1 -1 -1 -1'
            HotFontColor = '0 -1 -1 -1 -1'
            PaintingTransparency = 50
            GradientPercent = 0
            GradientData = ' '
            ImagePercent = 0
            ShowFocus = False
            FadingEnabled = True
            FadingIntervalIn = 5
            FadingIntervalOut = 5
            FadingIterations = 4
            HotPaintingColor = 13466380
            HotPaintingTransparency = 60
            HotPaintingBevel = cbNone
            HotPaintingBevelWidth = 2
            HotGradientPercent = 0
            HotGradientData = ' '
            HotImagePercent = 0
            PaintingColorBorderTop = clBlack
            PaintingColorBorderBottom = clBlack
            SelectionBorderBevel = ebLowered
            SelectionBorderWidth = 2
            SelectionColor = clWhite
          end
          item
            SectionName = 'TsDBEdit'
            ParentClassName = 'TsEdit'
            PaintingColor = clWhite
            PaintingBevel = cbLoweredHard
            PaintingBevelWidth = 1
            ShadowBlur = 6
            ShadowColor = clBlack
            ShadowDontUse = False
            ShadowEnabled = False
            ReservedBoolean = False
            ShadowOffset = 3
            ShadowTransparency = 60
            FontColor = '0 -1 -1 -1 -1'
            HotFontColor = '0 -1 -1 -1 -1'
            PaintingTransparency = 0
            GradientPercent = 0
            GradientData = ' '
            ImagePercent = 0
            ShowFocus = False
            FadingEnabled = False
            FadingIntervalIn = 5
            FadingIntervalOut = 5
            FadingIterations = 5
            HotPaintingColor = clWhite
            HotPaintingTransparency = 0
            HotPaintingBevel = cbNone
            HotPaintingBevelWidth = 2
            HotGradientPercent = 0
            HotGradientData = ' '
            HotImagePercent = 0
            PaintingColorBorderTop = 12098687
            PaintingColorBorderBottom = 12098687
            SelectionBorderBevel = ebAsTopBorder
            SelectionBorderWidth = 1
            SelectionColor = clWhite
          end
          item
            SectionName = 'TsDBMemo'
            ParentClassName = 'TsMemo'
            PaintingColor = clWhite
            PaintingBevel = cbLoweredHard
            PaintingBevelWidth = 1
            ShadowBlur = 6
            ShadowColor = clBlack
            ShadowDontUse = False
            ShadowEnabled = False
            ReservedBoolean = False
            ShadowOffset = 3
            ShadowTransparency = 60
            FontColor = '0 -1 -1 -1 -1'
            HotFontColor = '0 -1 -1 -1 -1'
            PaintingTransparency = 0
            GradientPercent = 0
            GradientData = ' '
            ImagePercent = 0
            ShowFocus = False
            FadingEnabled = False
            FadingIntervalIn = 5
            FadingIntervalOut = 5
            FadingIterations = 5
            HotPaintingColor = clWhite
            HotPaintingTransparency = 0
            HotPaintingBevel = cbNone
            HotPaintingBevelWidth = 2
            HotGradientPercent = 0
            HotGradientData = ' '
            HotImagePercent = 0
            PaintingColorBorderTop = 12098687
            PaintingColorBorderBottom = 12098687
            SelectionBorderBevel = ebAsTopBorder
            SelectionBorderWidth = 1
            SelectionColor = clWhite
          end
          item
            SectionName = 'TsDBComboBox'
            ParentClassName = 'TsComboBox'
            PaintingColor = clWhite
            PaintingBevel = cbLoweredHard
            PaintingBevelWidth = 1
            ShadowBlur = 6
            ShadowColor = clBlack
            ShadowDontUse = False
            ShadowEnabled = False
            ReservedBoolean = False
            ShadowOffset = 3
            ShadowTransparency = 60
            FontColor = '0 -1 -1 -1 -1'
            HotFontColor = '0 -1 -1 -1 -1'
            PaintingTransparency = 0
            GradientPercent = 0
            GradientData = ' '
            ImagePercent = 0
            ShowFocus = False
            FadingEnabled = False
            FadingIntervalIn = 5
            FadingIntervalOut = 5
            FadingIterations = 5
            HotPaintingColor = clWhite
            HotPaintingTransparency = 0
            HotPaintingBevel = cbNone
            HotPaintingBevelWidth = 2
            HotGradientPercent = 0
            HotGradientData = ' '
            HotImagePercent = 0
            PaintingColorBorderTop = 12098687
            PaintingColorBorderBottom = 12098687
            SelectionBorderBevel = ebAsTopBorder
            SelectionBorderWidth = 1
            SelectionColor = clWhite
          end
          item
            SectionName = 'TsDBLookupComboBox'
            ParentClassName = 'TsComboBox'
            PaintingColor = clWhite
            PaintingBevel = cbLoweredHard
            PaintingBevelWidth = 1
            ShadowBlur = 6
            ShadowColor = clBlack
            ShadowDontUse = False
            ShadowEnabled = False
            ReservedBoolean = False
            ShadowOffset = 3
            ShadowTransparency = 60
            FontColor = '0 -1 -1 -1 -1'
            HotFontColor = '0 -1 -1 -1 -1'
            PaintingTransparency = 0
            GradientPercent = 0
            GradientData = ' '
            ImagePercent = 0
            ShowFocus = False
            FadingEnabled = False
            FadingIntervalIn = 5
            FadingIntervalOut = 5
            FadingIterations = 5
            HotPaintingColor = clWhite
            HotPaintingTransparency = 0
            HotPaintingBevel = cbNone
            HotPaintingBevelWidth = 2
            HotGradientPercent = 0
            HotGradientData = ' '
            HotImagePercent = 0
            PaintingColorBorderTop = 12098687
            PaintingColorBorderBottom = 12098687
            SelectionBorderBevel = ebAsTopBorder
            SelectionBorderWidth = 1
            SelectionColor = clWhite
          end
          item
            SectionName = 'TsDBListBox'
            ParentClassName = 'TsListBox'
            PaintingColor = clWhite
            PaintingBevel = cbLoweredHard
            PaintingBevelWidth = 1
            ShadowBlur = 6
            ShadowColor = clBlack
            ShadowDontUse = False
            ShadowEnabled = False
            ReservedBoolean = False
            ShadowOffset = 3
            ShadowTransparency = 60
            FontColor = '0 -1 -1 -1 -1'
            HotFontColor = '0 -1 -1 -1 -1'
            PaintingTransparency = 0
            GradientPercent = 0
            GradientData = ' '
            ImagePercent = 0
            ShowFocus = False
            FadingEnabled = False
            FadingIntervalIn = 5
            FadingIntervalOut = 5
            FadingIterations = 5
            HotPaintingColor = clWhite
            HotPaintingTransparency = 0
            HotPaintingBevel = cbNone
            HotPaintingBevelWidth = 2
            HotGradientPercent = 0
            HotGradientData = ' '
            HotImagePercent = 0
            PaintingColorBorderTop = 12098687
            PaintingColorBorderBottom = 12098687
            SelectionBorderBevel = ebAsTopBorder
            SelectionBorderWidth = 1
            SelectionColor = clWhite
          end
          item
            SectionName = 'TsDBCheckBox'
            ParentClassName = 'TsCheckBox'
            PaintingColor = clWhite
            PaintingBevel = cbLoweredHard
            PaintingBevelWidth = 1
            ShadowBlur = 6
            ShadowColor = clBlack
            ShadowDontUse = False
            ShadowEnabled = False
            ReservedBoolean = False
            ShadowOffset = 3
            ShadowTransparency = 60
            FontColor = '0 -1 -1 -1 -1'
            HotFontColor = '0 -1 -1 -1 -1'
            PaintingTransparency = 0
            GradientPercent = 0
            GradientData = ' '
            ImagePercent = 0
            ShowFocus = False
            FadingEnabled = False
            FadingIntervalIn = 5
            FadingIntervalOut = 5
            FadingIterations = 5
            HotPaintingColor = clWhite
            HotPaintingTransparency = 0
            HotPaintingBevel = cbNone
            HotPaintingBevelWidth = 2
            HotGradientPercent = 0
            HotGradientData = ' '
            HotImagePercent = 0
            PaintingColorBorderTop = 12098687
            PaintingColorBorderBottom = 12098687
            SelectionBorderBevel = ebAsTopBorder
            SelectionBorderWidth = 1
            SelectionColor = clWhite
          end
          item
            SectionName = 'TsDBLookupListBox'
            ParentClassName = 'TsListBox'
            PaintingColor = clWhite
            PaintingBevel = cbLoweredHard
            PaintingBevelWidth = 1
            ShadowBlur = 6
            ShadowColor = clBlack
            ShadowDontUse = False
            ShadowEnabled = False
            ReservedBoolean = False
            ShadowOffset = 3
            ShadowTransparency = 60
            FontColor = '0 -1 -1 -1 -1'
            HotFontColor = '0 -1 -1 -1 -1'
            PaintingTransparency = 0
            GradientPercent = 0
            GradientData = ' '
            ImagePercent = 0
            ShowFocus = False
            FadingEnabled = False
            FadingIntervalIn = 5
            FadingIntervalOut = 5
            FadingIterations = 5
            HotPaintingColor = clWhite
            HotPaintingTransparency = 0
            HotPaintingBevel = cbNone
            HotPaintingBevelWidth = 2
            HotGradientPercent = 0
            HotGradientData = ' '
            HotImagePercent = 0
            PaintingColorBorderTop = 12098687
            PaintingColorBorderBottom = 12098687
            SelectionBorderBevel = ebAsTopBorder
            SelectionBorderWidth = 1
            SelectionColor = clWhite
          end
          item
            SectionName = 'SCROLLBTNTop'
            ParentClassName = 'SCROLLBTNBottom'
            PaintingColor = 15263976
            PaintingBevel = cbNone
            PaintingBevelWidth = 2
            ShadowBlur = 6
            ShadowColor = clBlack
            ShadowDontUse = False
            ShadowEnabled = False
            ReservedBoolean = False
            ShadowOffset = 3
            ShadowTransparency = 60
            FontColor = '0 -1 -1 -1 -1'
            HotFontColor = '0 -1 -1 -1 -1'
            PaintingTransparency = 50
            GradientPercent = 0
            GradientData = ' '
            ImagePercent = 0
            ShowFocus = False
            FadingEnabled = True
            FadingIntervalIn = 5
            FadingIntervalOut = 5
            FadingIterations = 4
            HotPaintingColor = 13466380
            HotPaintingTransparency = 60
            HotPaintingBevel = cbNone
            HotPaintingBevelWidth = 2
            HotGradientPercent = 0
            HotGradientData = ' '
            HotImagePercent = 0
            PaintingColorBorderTop = clBlack
            PaintingColorBorderBottom = clBlack
            SelectionBorderBevel = ebLowered
            SelectionBorderWidth = 2
            SelectionColor = clWhite
          end
          item
            SectionName = 'TsDragBar'
            ParentClassName = 'TsPanel'
            PaintingColor = 15461355
            PaintingBevel = cbNone
            PaintingBevelWidth = 2
            ShadowBlur = 6
            ShadowColor = clBlack
            ShadowDontUse = False
            ShadowEnabled = True
            ReservedBoolean = False
            ShadowOffset = 5
            ShadowTransparency = 60
            FontColor = '0 -1 -1 -1 -1'
            HotFontColor = '0 -1 -1 -1 -1'
            PaintingTransparency = 0
            GradientPercent = 100
            GradientData = '16777215;15987699;17;0;0;15987699;15658734;71;0;0;15658734;14737632;11;0;0;14737632;14737632;0;0;0'
            ImagePercent = 0
            ShowFocus = False
            FadingEnabled = False
            FadingIntervalIn = 5
            FadingIntervalOut = 5
            FadingIterations = 5
            HotPaintingColor = clWhite
            HotPaintingTransparency = 0
            HotPaintingBevel = cbNone
            HotPaintingBevelWidth = 2
            HotGradientPercent = 0
            HotGradientData = ' '
            HotImagePercent = 0
            PaintingColorBorderTop = clBlack
            PaintingColorBorderBottom = clBlack
            SelectionBorderBevel = ebLowered
            SelectionBorderWidth = 2
            SelectionColor = clWhite
          end
          item
            SectionName = 'SCROLLBTNLeft'
            ParentClassName = 'ScrollBtnBottom'
            PaintingColor = 15263976
            PaintingBevel = cbNone
            PaintingBevelWidth = 2
            ShadowBlur = 6
            ShadowColor = clBlack
            ShadowDontUse = False
            ShadowEnabled = False
            ReservedBoolean = False
            ShadowOffset = 3
            ShadowTransparency = 60
            FontColor = '0 -1 -1 -1 -1'
            HotFontColor = '0 -1 -1 -1 -1'
            PaintingTransparency = 50
            GradientPercent = 0
            GradientData = ' '
            ImagePercent = 0
            ShowFocus = False
            FadingEnabled = True
            FadingIntervalIn = 5
            FadingIntervalOut = 5
            FadingIterations = 4
            HotPaintingColor = 13466380
            HotPaintingTransparency = 60
            HotPaintingBevel = cbNone
            HotPaintingBevelWidth = 2
            HotGradientPercent = 0
            HotGradientData = ' '
            HotImagePercent = 0
            PaintingColorBorderTop = clBlack
            PaintingColorBorderBottom = clBlack
            SelectionBorderBevel = ebLowered
            SelectionBorderWidth = 2
            SelectionColor = clWhite
          end
          item
            SectionName = 'TsScrollBox'
            ParentClassName = 'TsContainer'
            PaintingColor = 15461355
            PaintingBevel = cbNone
            PaintingBevelWidth = 2
            ShadowBlur = 6
            ShadowColor = clBlack
            ShadowDontUse = False
            ShadowEnabled = False
            ReservedBoolean = False
            ShadowOffset = 3
            ShadowTransparency = 60
            FontColor = '0 -1 -1 -1 -1'
            HotFontColor = '0 -1 -1 -1 -1'
            PaintingTransparency = 0
            GradientPercent = 100
            GradientData = '16777215;15987699;17;0;0;15987699;15658734;71;0;0;15658734;14737632;11;0;0;14737632;14737632;0;0;0'
            ImagePercent = 0
            ShowFocus = False
            FadingEnabled = False
            FadingIntervalIn = 5
            FadingIntervalOut = 5
            FadingIterations = 5
            HotPaintingColor = clWhite
            HotPaintingTransparency = 0
            HotPaintingBevel = cbNone
            HotPaintingBevelWidth = 2
            HotGradientPercent = 0
            HotGradientData = ' '
            HotImagePercent = 0
            PaintingColorBorderTop = clBlack
            PaintingColorBorderBottom = clBlack
            SelectionBorderBevel = ebLowered
            SelectionBorderWidth = 2
            SelectionColor = clWhite
          end
          item
            SectionName = 'ScrollBar2H'
            ParentClassName = 'ScrollBar1H'
            PaintingColor = 15263976
            PaintingBevel = cbNone
            PaintingBevelWidth = 2
            ShadowBlur = 6
            ShadowColor = clBlack
            ShadowDontUse = False
            ShadowEnabled = False
            ReservedBoolean = False
            ShadowOffset = 3
            ShadowTransparency = 60
            FontColor = '0 -1 -1 -1 -1'
            HotFontColor = '0 -1 -1 -1 -1'
            PaintingTransparency = 0
            GradientPercent = 0
            GradientData = ' '
            ImagePercent = 0
            ShowFocus = False
            FadingEnabled = False
            FadingIntervalIn = 5
            FadingIntervalOut = 5
            FadingIterations = 5
            HotPaintingColor = 15790320
            HotPaintingTransparency = 0
            HotPaintingBevel = cbNone
            HotPaintingBevelWidth = 2
            HotGradientPercent = 0
            HotGradientData = ' '
            HotImagePercent = 0
            PaintingColorBorderTop = clBlack
            PaintingColorBorderBottom = clBlack
            SelectionBorderBevel = ebLowered
            SelectionBorderWidth = 2
            SelectionColor = clWhite
          end
          item
            SectionName = 'TsCurrencyEdit'
            ParentClassName = 'TsEdit'
            PaintingColor = clWhite
            PaintingBevel = cbLoweredHard
            PaintingBevelWidth = 1
            ShadowBlur = 6
            ShadowColor = clBlack
            ShadowDontUse = False
            ShadowEnabled = False
            ReservedBoolean = False
            ShadowOffset = 3
            ShadowTransparency = 60
            FontColor = '0 -1 -1 -1 -1'
            HotFontColor = '0 -1 -1 -1 -1'
            PaintingTransparency = 0
            GradientPercent = 0
            GradientData = ' '
            ImagePercent = 0
            ShowFocus = False
            FadingEnabled = False
            FadingIntervalIn = 5
            FadingIntervalOut = 5
            FadingIterations = 5
            HotPaintingColor = clWhite
            HotPaintingTransparency = 0
            HotPaintingBevel = cbNone
            HotPaintingBevelWidth = 2
            HotGradientPercent = 0
            HotGradientData = ' '
            HotImagePercent = 0
            PaintingColorBorderTop = 12098687
            PaintingColorBorderBottom = 12098687
            SelectionBorderBevel = ebAsTopBorder
            SelectionBorderWidth = 1
            SelectionColor = clWhite
          end
          item
            SectionName = 'ScrollBar2V'
            ParentClassName = 'ScrollBar1H'
            PaintingColor = 15263976
            PaintingBevel = cbNone
            PaintingBevelWidth = 2
            ShadowBlur = 6
            ShadowColor = clBlack
            ShadowDontUse = False
            ShadowEnabled = False
            ReservedBoolean = False
            ShadowOffset = 3
            ShadowTransparency = 60
            FontColor = '0 -1 -1 -1 -1'
            HotFontColor = '0 -1 -1 -1 -1'
            PaintingTransparency = 0
            GradientPercent = 0
            GradientData = ' '
            ImagePercent = 0
            ShowFocus = False
            FadingEnabled = False
            FadingIntervalIn = 5
            FadingIntervalOut = 5
            FadingIterations = 5
            HotPaintingColor = 15790320
            HotPaintingTransparency = 0
            HotPaintingBevel = cbNone
            HotPaintingBevelWidth = 2
            HotGradientPercent = 0
            HotGradientData = ' '
            HotImagePercent = 0
            PaintingColorBorderTop = clBlack
            PaintingColorBorderBottom = clBlack
            SelectionBorderBevel = ebLowered
            SelectionBorderWidth = 2
            SelectionColor = clWhite
          end
          item
            SectionName = 'TsTrackBar'
            PaintingColor = 15461355
            PaintingBevel = cbNone
            PaintingBevelWidth = 2
            ShadowBlur = 6
            ShadowColor = clBlack
            ShadowDontUse = False
            ShadowEnabled = False
            ReservedBoolean = False
            ShadowOffset = 3
            ShadowTransparency = 60
            FontColor = '0 -1 -1 -1 -1'
            HotFontColor = '0 -1 -1 -1 -1'
            PaintingTransparency = 0
            GradientPercent = 0
            GradientData = ' '
            ImagePercent = 0
            ShowFocus = False
            FadingEnabled = False
            FadingIntervalIn = 5
            FadingIntervalOut = 5
            FadingIterations = 5
            HotPaintingColor = 15461355
            HotPaintingTransparency = 0
            HotPaintingBevel = cbNone
            HotPaintingBevelWidth = 2
            HotGradientPercent = 0
            HotGradientData = ' '
            HotImagePercent = 0
            PaintingColorBorderTop = clBlack
            PaintingColorBorderBottom = clBlack
            SelectionBorderBevel = ebLowered
            SelectionBorderWidth = 2
            SelectionColor = clWhite
          end
          item
            SectionName = 'TsBitBtn'
            ParentClassName = 'TsButton'
            PaintingColor = 15263976
            PaintingBevel = cbNone
            PaintingBevelWidth = 2
            ShadowBlur = 6
            ShadowColor = clBlack
            ShadowDontUse = False
            ShadowEnabled = True
            ReservedBoolean = False
            ShadowOffset = 3
            ShadowTransparency = 60
            FontColor = '0 -1 -1 -1 -1'
            HotFontColor = '0 -1 -1 -1 -1'
            PaintingTransparency = 50
            GradientPercent = 0
            GradientData = ' '
            ImagePercent = 0
            ShowFocus = False
            FadingEnabled = True
            FadingIntervalIn = 5
            FadingIntervalOut = 5
            FadingIterations = 4
            HotPaintingColor = 13466380
            HotPaintingTransparency = 60
            HotPaintingBevel = cbNone
            HotPaintingBevelWidth = 2
            HotGradientPercent = 0
            HotGradientData = ' '
            HotImagePercent = 0
            PaintingColorBorderTop = clBlack
            PaintingColorBorderBottom = clBlack
            SelectionBorderBevel = ebLowered
            SelectionBorderWidth = 2
            SelectionColor = clWhite
          end
          item
            SectionName = 'MenuLine'
            PaintingColor = clWhite
            PaintingBevel = cbNone
            PaintingBevelWidth = 2
            ShadowBlur = 6
            ShadowColor = clBlack
            ShadowDontUse = False
            ShadowEnabled = False
            ReservedBoolean = False
            ShadowOffset = 3
            ShadowTransparency = 60
            FontColor = '16777181 9920804 9920804 -1 -1'
            HotFontColor = '16777181 -1 -1 8140820 8140820'
            PaintingTransparency = 0
            GradientPercent = 100
            GradientData = '9330475;12224334;17;0;0;12224334;12550976;82;0;0;12550976;12550976;0;0;0'
            ImagePercent = 0
            ShowFocus = False
            FadingEnabled = False
            FadingIntervalIn = 5
            FadingIntervalOut = 5
            FadingIterations = 5
            HotPaintingColor = clWhite
            HotPaintingTransparency = 0
            HotPaintingBevel = cbNone
            HotPaintingBevelWidth = 2
            HotGradientPercent = 100
            HotGradientData = '9330475;12480818;17;0;0;12480818;12550976;82;0;0;12550976;12550976;0;0;0'
            HotImagePercent = 0
            PaintingColorBorderTop = clBlack
            PaintingColorBorderBottom = clBlack
            SelectionBorderBevel = ebLowered
            SelectionBorderWidth = 2
            SelectionColor = clWhite
          end
          item
            SectionName = 'MainMenu'
            PaintingColor = clWhite
            PaintingBevel = cbNone
            PaintingBevelWidth = 2
            ShadowBlur = 6
            ShadowColor = clBlack
            ShadowDontUse = False
            ShadowEnabled = False
            ReservedBoolean = False
            ShadowOffset = 3
            ShadowTransparency = 60
            FontColor = '0 -1 -1 -1 -1'
            HotFontColor = '0 -1 -1 -1 -1'
            PaintingTransparency = 0
            GradientPercent = 0
            GradientData = ' '
            ImagePercent = 0
            ShowFocus = False
            FadingEnabled = False
            FadingIntervalIn = 5
            FadingIntervalOut = 5
            FadingIterations = 5
            HotPaintingColor = clWhite
            HotPaintingTransparency = 0
            HotPaintingBevel = cbNone
            HotPaintingBevelWidth = 2
            HotGradientPercent = 0
            HotGradientData = ' '
            HotImagePercent = 0
            PaintingColorBorderTop = clBlack
            PaintingColorBorderBottom = clBlack
            SelectionBorderBevel = ebLowered
            SelectionBorderWidth = 2
            SelectionColor = clWhite
          end
          item
            SectionName = 'MenuItem'
            PaintingColor = clWhite
            PaintingBevel = cbNone
            PaintingBevelWidth = 2
            ShadowBlur = 6
            ShadowColor = clBlack
            ShadowDontUse = False
            ShadowEnabled = False
            ReservedBoolean = False
            ShadowOffset = 3
            ShadowTransparency = 60
            FontColor = '5454116 16380127 16380127 -1 -1'
            HotFontColor = '16777181 -1 -1 10372910 10372910'
            PaintingTransparency = 100
            GradientPercent = 0
            GradientData = ' '
            ImagePercent = 0
            ShowFocus = False
            FadingEnabled = False
            FadingIntervalIn = 5
            FadingIntervalOut = 5
            FadingIterations = 5
            HotPaintingColor = clWhite
            HotPaintingTransparency = 0
            HotPaintingBevel = cbNone
            HotPaintingBevelWidth = 2
            HotGradientPercent = 100
            HotGradientData = '16777215;14195561;16;0;0;14195561;12019471;69;0;0;12019471;15249265;14;0;0;15249265;15249265;0;0;0'
            HotImagePercent = 0
            PaintingColorBorderTop = clBlack
            PaintingColorBorderBottom = clBlack
            SelectionBorderBevel = ebLowered
            SelectionBorderWidth = 2
            SelectionColor = clWhite
          end
          item
            SectionName = 'TsEdit'
            PaintingColor = clWhite
            PaintingBevel = cbLoweredHard
            PaintingBevelWidth = 1
            ShadowBlur = 6
            ShadowColor = clBlack
            ShadowDontUse = False
            ShadowEnabled = False
            ReservedBoolean = False
            ShadowOffset = 3
            ShadowTransparency = 60
            FontColor = '0 -1 -1 -1 -1'
            HotFontColor = '0 -1 -1 -1 -1'
            PaintingTransparency = 0
            GradientPercent = 0
            GradientData = ' '
            ImagePercent = 0
            ShowFocus = False
            FadingEnabled = False
            FadingIntervalIn = 5
            FadingIntervalOut = 5
            FadingIterations = 5
            HotPaintingColor = clWhite
            HotPaintingTransparency = 0
            HotPaintingBevel = cbNone
            HotPaintingBevelWidth = 2
            HotGradientPercent = 0
            HotGradientData = ' '
            HotImagePercent = 0
            PaintingColorBorderTop = 12098687
            PaintingColorBorderBottom = 12098687
            SelectionBorderBevel = ebAsTopBorder
            SelectionBorderWidth = 1
            SelectionColor = clWhite
          end
          item
            SectionName = 'TsPageControl'
            PaintingColor = 15461355
            PaintingBevel = cbNone
            PaintingBevelWidth = 2
            ShadowBlur = 6
            ShadowColor = clBlack
            ShadowDontUse = False
            ShadowEnabled = False
            ReservedBoolean = False
            ShadowOffset = 3
            ShadowTransparency = 60
            FontColor = '0 -1 -1 -1 -1'
            HotFontColor = '0 -1 -1 -1 -1'
            PaintingTransparency = 0
            GradientPercent = 100
            GradientData = '16777215;15987699;17;0;0;15987699;15658734;71;0;0;15658734;14737632;11;0;0;14737632;14737632;0;0;0'
            ImagePercent = 0
            ShowFocus = False
            FadingEnabled = False
            FadingIntervalIn = 5
            FadingIntervalOut = 5
            FadingIterations = 5
            HotPaintingColor = clWhite
            HotPaintingTransparency = 0
            HotPaintingBevel = cbNone
            HotPaintingBevelWidth = 2
            HotGradientPercent = 0
            HotGradientData = ' '
            HotImagePercent = 0
            PaintingColorBorderTop = clBlack
            PaintingColorBorderBottom = clBlack
            SelectionBorderBevel = ebLowered
            SelectionBorderWidth = 2
            SelectionColor = clWhite
          end
          item
            SectionName = 'ScrollBar1H'
            PaintingColor = 15263976
            PaintingBevel = cbNone
            PaintingBevelWidth = 2
            ShadowBlur = 6
            ShadowColor = clBlack
            ShadowDontUse = False
            ShadowEnabled = False
            ReservedBoolean = False
            ShadowOffset = 3
            ShadowTransparency = 60
            FontColor = '0 -1 -1 -1 -1'
            HotFontColor = '0 -1 -1 -1 -1'
            PaintingTransparency = 0
            GradientPercent = 0
            GradientData = ' '
            ImagePercent = 0
            ShowFocus = False
            FadingEnabled = False
            FadingIntervalIn = 5
            FadingIntervalOut = 5
            FadingIterations = 5
            HotPaintingColor = 15790320
            HotPaintingTransparency = 0
            HotPaintingBevel = cbNone
            HotPaintingBevelWidth = 2
            HotGradientPercent = 0
            HotGradientData = ' '
            HotImagePercent = 0
            PaintingColorBorderTop = clBlack
            PaintingColorBorderBottom = clBlack
            SelectionBorderBevel = ebLowered
            SelectionBorderWidth = 2
            SelectionColor = clWhite
          end
          item
            SectionName = 'ScrollBar1V'
            PaintingColor = 15263976
            PaintingBevel = cbNone
            PaintingBevelWidth = 2
            ShadowBlur = 6
            ShadowColor = clBlack
            ShadowDontUse = False
            ShadowEnabled = False
            ReservedBoolean = False
            ShadowOffset = 3
            ShadowTransparency = 60
            FontColor = '0 -1 -1 -1 -1'
            HotFontColor = '0 -1 -1 -1 -1'
            PaintingTransparency = 0
            GradientPercent = 0
            GradientData = ' '
            ImagePercent = 0
            ShowFocus = False
            FadingEnabled = False
            FadingIntervalIn = 5
            FadingIntervalOut = 5
            FadingIterations = 5
            HotPaintingColor = 15790320
            HotPaintingTransparency = 0
            HotPaintingBevel = cbNone
            HotPaintingBevelWidth = 2
            HotGradientPercent = 0
            HotGradientData = ' '
            HotImagePercent = 0
            PaintingColorBorderTop = clBlack
            PaintingColorBorderBottom = clBlack
            SelectionBorderBevel = ebLowered
            SelectionBorderWidth = 2
            SelectionColor = clWhite
          end
          item
            SectionName = 'ScrollSliderV'
            ParentClassName = 'SCROLLBTNBOTTOM'
            PaintingColor = 15263976
            PaintingBevel = cbNone
            PaintingBevelWidth = 2
            ShadowBlur = 6
            ShadowColor = clBlack
            ShadowDontUse = False
            ShadowEnabled = False
            ReservedBoolean = False
            ShadowOffset = 3
            ShadowTransparency = 60
            FontColor = '0 -1 -1 -1 -1'
            HotFontColor = '0 -1 -1 -1 -1'
            PaintingTransparency = 50
            GradientPercent = 0
            GradientData = ' '
            ImagePercent = 0
            ShowFocus = False
            FadingEnabled = True
            FadingIntervalIn = 5
            FadingIntervalOut = 5
            FadingIterations = 4
            HotPaintingColor = 13466380
            HotPaintingTransparency = 60
            HotPaintingBevel = cbNone
            HotPaintingBevelWidth = 2
            HotGradientPercent = 0
            HotGradientData = ' '
            HotImagePercent = 0
            PaintingColorBorderTop = clBlack
            PaintingColorBorderBottom = clBlack
            SelectionBorderBevel = ebLowered
            SelectionBorderWidth = 2
            SelectionColor = clWhite
          end
          item
            SectionName = 'SCROLLBTNRight'
            ParentClassName = 'ScrollBtnBottom'
            PaintingColor = 15263976
            PaintingBevel = cbNone
            PaintingBevelWidth = 2
            ShadowBlur = 6
            ShadowColor = clBlack
            ShadowDontUse = False
            ShadowEnabled = False
            ReservedBoolean = False
            ShadowOffset = 3
            ShadowTransparency = 60
            FontColor = '0 -1 -1 -1 -1'
            HotFontColor = '0 -1 -1 -1 -1'
            PaintingTransparency = 50
            GradientPercent = 0
            GradientData = ' '
            ImagePercent = 0
            ShowFocus = False
            FadingEnabled = True
            FadingIntervalIn = 5
            FadingIntervalOut = 5
            FadingIterations = 4
            HotPaintingColor = 13466380
            HotPaintingTransparency = 60
            HotPaintingBevel = cbNone
            HotPaintingBevelWidth = 2
            HotGradientPercent = 0
            HotGradientData = ' '
            HotImagePercent = 0
            PaintingColorBorderTop = clBlack
            PaintingColorBorderBottom = clBlack
            SelectionBorderBevel = ebLowered
            SelectionBorderWidth = 2
            SelectionColor = clWhite
          end
          item
            SectionName = 'SCROLLBTNBottom'
            PaintingColor = 15263976
            PaintingBevel = cbNone
            PaintingBevelWidth = 2
            ShadowBlur = 6
            ShadowColor = clBlack
            ShadowDontUse = False
            ShadowEnabled = False
            ReservedBoolean = False
            ShadowOffset = 3
            ShadowTransparency = 60
            FontColor = '0 -1 -1 -1 -1'
            HotFontColor = '0 -1 -1 -1 -1'
            PaintingTransparency = 50
            GradientPercent = 0
            GradientData = ' '
            ImagePercent = 0
            ShowFocus = False
            FadingEnabled = True
            FadingIntervalIn = 5
            FadingIntervalOut = 5
            FadingIterations = 4
            HotPaintingColor = 13466380
            HotPaintingTransparency = 60
            HotPaintingBevel = cbNone
            HotPaintingBevelWidth = 2
            HotGradientPercent = 0
            HotGradientData = ' '
            HotImagePercent = 0
            PaintingColorBorderTop = clBlack
            PaintingColorBorderBottom = clBlack
            SelectionBorderBevel = ebLowered
            SelectionBorderWidth = 2
            SelectionColor = clWhite
          end
          item
            SectionName = 'ScrollSliderH'
            ParentClassName = 'SCROLLBTNBottom'
            PaintingColor = 15263976
            PaintingBevel = cbNone
            PaintingBevelWidth = 2
            ShadowBlur = 6
            ShadowColor = clBlack
            ShadowDontUse = False
            ShadowEnabled = False
            ReservedBoolean = False
            ShadowOffset = 3
            ShadowTransparency = 60
            FontColor = '0 -1 -1 -1 -1'
            HotFontColor = '0 -1 -1 -1 -1'
            PaintingTransparency = 50
            GradientPercent = 0
            GradientData = ' '
            ImagePercent = 0
            ShowFocus = False
            FadingEnabled = True
            FadingIntervalIn = 5
            FadingIntervalOut = 5
            FadingIterations = 4
            HotPaintingColor = 13466380
            HotPaintingTransparency = 60
            HotPaintingBevel = cbNone
            HotPaintingBevelWidth = 2
            HotGradientPercent = 0
            HotGradientData = ' '
            HotImagePercent = 0
            PaintingColorBorderTop = clBlack
            PaintingColorBorderBottom = clBlack
            SelectionBorderBevel = ebLowered
            SelectionBorderWidth = 2
            SelectionColor = clWhite
          end
          item
            SectionName = 'CalcPanel'
            PaintingColor = 15461355
            PaintingBevel = cbRaisedSoft
            PaintingBevelWidth = 2
            ShadowBlur = 6
            ShadowColor = clBlack
            ShadowDontUse = False
            ShadowEnabled = False
            ReservedBoolean = False
            ShadowOffset = 3
            ShadowTransparency = 60
            FontColor = '0 -1 -1 -1 -1'
            HotFontColor = '0 -1 -1 -1 -1'
            PaintingTransparency = 0
            GradientPercent = 100
            GradientData = '16777215;15987699;17;0;0;15987699;15658734;71;0;0;15658734;14737632;11;0;0;14737632;14737632;0;0;0'
            ImagePercent = 0
            ShowFocus = False
            FadingEnabled = False
            FadingIntervalIn = 5
            FadingIntervalOut = 5
            FadingIterations = 5
            HotPaintingColor = clWhite
            HotPaintingTransparency = 0
            HotPaintingBevel = cbNone
            HotPaintingBevelWidth = 2
            HotGradientPercent = 0
            HotGradientData = ' '
            HotImagePercent = 0
            PaintingColorBorderTop = clBlack
            PaintingColorBorderBottom = clBlack
            SelectionBorderBevel = ebLowered
            SelectionBorderWidth = 2
            SelectionColor = clWhite
          end
          item
            SectionName = 'TsSpeedButton_Small'
            ParentClassName = 'TsSpeedButton'
            PaintingColor = 15263976
            PaintingBevel = cbNone
            PaintingBevelWidth = 2
            ShadowBlur = 6
            ShadowColor = clBlack
            ShadowDontUse = False
            ShadowEnabled = False
            ReservedBoolean = False
            ShadowOffset = 3
            ShadowTransparency = 60
            FontColor = '0 -1 -1 -1 -1'
            HotFontColor = '0 -1 -1 -1 -1'
            PaintingTransparency = 50
            GradientPercent = 0
            GradientData = ' '
            ImagePercent = 0
            ShowFocus = False
            FadingEnabled = True
            FadingIntervalIn = 5
            FadingIntervalOut = 5
            FadingIterations = 4
            HotPaintingColor = 13466380
            HotPaintingTransparency = 60
            HotPaintingBevel = cbNone
            HotPaintingBevelWidth = 2
            HotGradientPercent = 0
            HotGradientData = ' '
            HotImagePercent = 0
            PaintingColorBorderTop = clBlack
            PaintingColorBorderBottom = clBlack
            SelectionBorderBevel = ebLowered
            SelectionBorderWidth = 2
            SelectionColor = clWhite
          end
          item
            SectionName = 'TsCalcEdit'
            ParentClassName = 'TsEdit'
            PaintingColor = clWhite
            PaintingBevel = cbLoweredHard
            PaintingBevelWidth = 1
            ShadowBlur = 6
            ShadowColor = clBlack
            ShadowDontUse = False
            ShadowEnabled = False
            ReservedBoolean = False
            ShadowOffset = 3
            ShadowTransparency = 60
            FontColor = '0 -1 -1 -1 -1'
            HotFontColor = '0 -1 -1 -1 -1'
            PaintingTransparency = 0
            GradientPercent = 0
            GradientData = ' '
            ImagePercent = 0
            ShowFocus = False
            FadingEnabled = False
            FadingIntervalIn = 5
            FadingIntervalOut = 5
            FadingIterations = 5
            HotPaintingColor = clWhite
            HotPaintingTransparency = 0
            HotPaintingBevel = cbNone
            HotPaintingBevelWidth = 2
            HotGradientPercent = 0
            HotGradientData = ' '
            HotImagePercent = 0
            PaintingColorBorderTop = 12098687
            PaintingColorBorderBottom = 12098687
            SelectionBorderBevel = ebAsTopBorder
            SelectionBorderWidth = 1
            SelectionColor = clWhite
          end
          item
            SectionName = 'TsToolButton'
            ParentClassName = 'TsSpeedButton'
            PaintingColor = 15263976
            PaintingBevel = cbNone
            PaintingBevelWidth = 2
            ShadowBlur = 6
            ShadowColor = clBlack
            ShadowDontUse = False
            ShadowEnabled = False
            ReservedBoolean = False
            ShadowOffset = 3
            ShadowTransparency = 60
            FontColor = '0 -1 -1 -1 -1'
            HotFontColor = '0 -1 -1 -1 -1'
            PaintingTransparency = 50
            GradientPercent = 0
            GradientData = ' '
            ImagePercent = 0
            ShowFocus = False
            FadingEnabled = True
            FadingIntervalIn = 5
            FadingIntervalOut = 5
            FadingIterations = 4
            HotPaintingColor = 13466380
            HotPaintingTransparency = 60
            HotPaintingBevel = cbNone
            HotPaintingBevelWidth = 2
            HotGradientPercent = 0
            HotGradientData = ' '
            HotImagePercent = 0
            PaintingColorBorderTop = clBlack
            PaintingColorBorderBottom = clBlack
            SelectionBorderBevel = ebLowered
            SelectionBorderWidth = 2
            SelectionColor = clWhite
          end
          item
            SectionName = 'TsSpeedButton'
            PaintingColor = 15263976
            PaintingBevel = cbNone
            PaintingBevelWidth = 2
            ShadowBlur = 6
            ShadowColor = clBlack
            ShadowDontUse = False
            ShadowEnabled = False
            ReservedBoolean = False
            ShadowOffset = 3
            ShadowTransparency = 60
            FontColor = '0 -1 -1 -1 -1'
            HotFontColor = '0 -1 -1 -1 -1'
            PaintingTransparency = 50
            GradientPercent = 0
            GradientData = ' '
            ImagePercent = 0
            ShowFocus = False
            FadingEnabled = True
            FadingIntervalIn = 5
            FadingIntervalOut = 5
            FadingIterations = 4
            HotPaintingColor = 13466380
            HotPaintingTransparency = 60
            HotPaintingBevel = cbNone
            HotPaintingBevelWidth = 2
            HotGradientPercent = 0
            HotGradientData = ' '
            HotImagePercent = 0
            PaintingColorBorderTop = clBlack
            PaintingColorBorderBottom = clBlack
            SelectionBorderBevel = ebLowered
            SelectionBorderWidth = 2
            SelectionColor = clWhite
          end
          item
            SectionName = 'TsToolBar'
            ParentClassName = 'TsPanel'
            PaintingColor = 15461355
            PaintingBevel = cbRaisedSoft
            PaintingBevelWidth = 2
            ShadowBlur = 6
            ShadowColor = clBlack
            ShadowDontUse = False
            ShadowEnabled = False
            ReservedBoolean = False
            ShadowOffset = 3
            ShadowTransparency = 60
            FontColor = '0 -1 -1 -1 -1'
            HotFontColor = '0 -1 -1 -1 -1'
            PaintingTransparency = 0
            GradientPercent = 100
            GradientData = '16777215;15987699;17;0;0;15987699;15658734;71;0;0;15658734;14737632;11;0;0;14737632;14737632;0;0;0'
            ImagePercent = 0
            ShowFocus = False
            FadingEnabled = False
            FadingIntervalIn = 5
            FadingIntervalOut = 5
            FadingIterations = 5
            HotPaintingColor = clWhite
            HotPaintingTransparency = 0
            HotPaintingBevel = cbNone
            HotPaintingBevelWidth = 2
            HotGradientPercent = 0
            HotGradientData = ' '
            HotImagePercent = 0
            PaintingColorBorderTop = clBlack
            PaintingColorBorderBottom = clBlack
            SelectionBorderBevel = ebLowered
            SelectionBorderWidth = 2
            SelectionColor = clWhite
          end
          item
            SectionName = 'TsPanel_Lowered'
            ParentClassName = 'TsContainer'
            PaintingColor = 15461355
            PaintingBevel = cbNone
            PaintingBevelWidth = 2
            ShadowBlur = 6
            ShadowColor = clBlack
            ShadowDontUse = False
            ShadowEnabled = False
            ReservedBoolean = False
            ShadowOffset = 3
            ShadowTransparency = 60
            FontColor = '0 -1 -1 -1 -1'
            HotFontColor = '0 -1 -1 -1 -1'
            PaintingTransparency = 0
            GradientPercent = 100
            GradientData = '16777215;15987699;17;0;0;15987699;15658734;71;0;0;15658734;14737632;11;0;0;14737632;14737632;0;0;0'
            ImagePercent = 0
            ShowFocus = False
            FadingEnabled = False
            FadingIntervalIn = 5
            FadingIntervalOut = 5
            FadingIterations = 5
            HotPaintingColor = clWhite
            HotPaintingTransparency = 0
            HotPaintingBevel = cbNone
            HotPaintingBevelWidth = 2
            HotGradientPercent = 0
            HotGradientData = ' '
            HotImagePercent = 0
            PaintingColorBorderTop = clBlack
            PaintingColorBorderBottom = clBlack
            SelectionBorderBevel = ebLowered
            SelectionBorderWidth = 2
            SelectionColor = clWhite
          end
          item
            SectionName = 'TsContainer'
            ParentClassName = 'TsPanel'
            PaintingColor = 15461355
            PaintingBevel = cbNone
            PaintingBevelWidth = 2
            ShadowBlur = 6
            ShadowColor = clBlack
            ShadowDontUse = False
            ShadowEnabled = True
            ReservedBoolean = False
            ShadowOffset = 5
            ShadowTransparency = 60
            FontColor = '0 -1 -1 -1 -1'
            HotFontColor = '0 -1 -1 -1 -1'
            PaintingTransparency = 0
            GradientPercent = 100
            GradientData = '16777215;15987699;17;0;0;15987699;15658734;71;0;0;15658734;14737632;11;0;0;14737632;14737632;0;0;0'
            ImagePercent = 0
            ShowFocus = False
            FadingEnabled = False
            FadingIntervalIn = 5
            FadingIntervalOut = 5
            FadingIterations = 5
            HotPaintingColor = clWhite
            HotPaintingTransparency = 0
            HotPaintingBevel = cbNone
            HotPaintingBevelWidth = 2
            HotGradientPercent = 0
            HotGradientData = ' '
            HotImagePercent = 0
            PaintingColorBorderTop = clBlack
            PaintingColorBorderBottom = clBlack
            SelectionBorderBevel = ebLowered
            SelectionBorderWidth = 2
            SelectionColor = clWhite
          end
          item
            SectionName = 'TsGauge'
            ParentClassName = 'TsPanel'
            PaintingColor = 15461355
            PaintingBevel = cbNone
            PaintingBevelWidth = 2
            ShadowBlur = 6
            ShadowColor = clBlack
            ShadowDontUse = False
            ShadowEnabled = False
            ReservedBoolean = False
            ShadowOffset = 5
            ShadowTransparency = 60
            FontColor = '0 -1 -1 -1 -1'
            HotFontColor = '0 -1 -1 -1 -1'
            PaintingTransparency = 0
            GradientPercent = 100
            GradientData = '15461355;16119285;52;0;0;16119285;15000804;47;0;0;15000804;15000804;0;0;0'
            ImagePercent = 0
            ShowFocus = False
            FadingEnabled = False
            FadingIntervalIn = 5
            FadingIntervalOut = 5
            FadingIterations = 5
            HotPaintingColor = clWhite
            HotPaintingTransparency = 0
            HotPaintingBevel = cbNone
            HotPaintingBevelWidth = 2
            HotGradientPercent = 0
            HotGradientData = ' '
            HotImagePercent = 0
            PaintingColorBorderTop = clBlack
            PaintingColorBorderBottom = clBlack
            SelectionBorderBevel = ebLowered
            SelectionBorderWidth = 2
            SelectionColor = clWhite
          end
          item
            SectionName = 'TsGrip'
            ParentClassName = 'TsButton'
            PaintingColor = 15263976
            PaintingBevel = cbNone
            PaintingBevelWidth = 2
            ShadowBlur = 6
            ShadowColor = clBlack
            ShadowDontUse = False
            ShadowEnabled = False
            ReservedBoolean = False
            ShadowOffset = 3
            ShadowTransparency = 60
            FontColor = '0 -1 -1 -1 -1'
            HotFontColor = '0 -1 -1 -1 -1'
            PaintingTransparency = 50
            GradientPercent = 0
            GradientData = ' '
            ImagePercent = 0
            ShowFocus = False
            FadingEnabled = True
            FadingIntervalIn = 5
            FadingIntervalOut = 5
            FadingIterations = 4
            HotPaintingColor = 13466380
            HotPaintingTransparency = 60
            HotPaintingBevel = cbNone
            HotPaintingBevelWidth = 2
            HotGradientPercent = 0
            HotGradientData = ' '
            HotImagePercent = 0
            PaintingColorBorderTop = clBlack
            PaintingColorBorderBottom = clBlack
            SelectionBorderBevel = ebLowered
            SelectionBorderWidth = 2
            SelectionColor = clWhite
          end
          item
            SectionName = 'TsPanel'
            PaintingColor = 15461355
            PaintingBevel = cbNone
            PaintingBevelWidth = 2
            ShadowBlur = 6
            ShadowColor = clBlack
            ShadowDontUse = False
            ShadowEnabled = True
            ReservedBoolean = False
            ShadowOffset = 5
            ShadowTransparency = 60
            FontColor = '0 -1 -1 -1 -1'
            HotFontColor = '0 -1 -1 -1 -1'
            PaintingTransparency = 0
            GradientPercent = 100
            GradientData = '16777215;15987699;17;0;0;15987699;15658734;71;0;0;15658734;14737632;11;0;0;14737632;14737632;0;0;0'
            ImagePercent = 0
            ShowFocus = False
            FadingEnabled = False
            FadingIntervalIn = 5
            FadingIntervalOut = 5
            FadingIterations = 5
            HotPaintingColor = clWhite
            HotPaintingTransparency = 0
            HotPaintingBevel = cbNone
            HotPaintingBevelWidth = 2
            HotGradientPercent = 0
            HotGradientData = ' '
            HotImagePercent = 0
            PaintingColorBorderTop = clBlack
            PaintingColorBorderBottom = clBlack
            SelectionBorderBevel = ebLowered
            SelectionBorderWidth = 2
            SelectionColor = clWhite
          end
          item
            SectionName = 'TsTabSheetBOTTOM'
            PaintingColor = 15461355
            PaintingBevel = cbNone
            PaintingBevelWidth = 2
            ShadowBlur = 6
            ShadowColor = clBlack
            ShadowDontUse = False
            ShadowEnabled = False
            ReservedBoolean = False
            ShadowOffset = 3
            ShadowTransparency = 60
            FontColor = '0 -1 -1 -1 -1'
            HotFontColor = '0 -1 -1 -1 -1'
            PaintingTransparency = 0
            GradientPercent = 100
            GradientData = '16777215;15987699;17;0;0;15987699;15658734;71;0;0;15658734;14737632;11;0;0;14737632;14737632;0;0;0'
            ImagePercent = 0
            ShowFocus = False
            FadingEnabled = False
            FadingIntervalIn = 5
            FadingIntervalOut = 5
            FadingIterations = 5
            HotPaintingColor = clWhite
            HotPaintingTransparency = 0
            HotPaintingBevel = cbNone
            HotPaintingBevelWidth = 2
            HotGradientPercent = 0
            HotGradientData = ' '
            HotImagePercent = 0
            PaintingColorBorderTop = clBlack
            PaintingColorBorderBottom = clBlack
            SelectionBorderBevel = ebLowered
            SelectionBorderWidth = 2
            SelectionColor = clWhite
          end
          item
            SectionName = 'TsTabSheetLEFT'
            PaintingColor = 15461355
            PaintingBevel = cbNone
            PaintingBevelWidth = 2
            ShadowBlur = 6
            ShadowColor = clBlack
            ShadowDontUse = False
            ShadowEnabled = False
            ReservedBoolean = False
            ShadowOffset = 3
            ShadowTransparency = 60
            FontColor = '0 -1 -1 -1 -1'
            HotFontColor = '0 -1 -1 -1 -1'
            PaintingTransparency = 0
            GradientPercent = 100
            GradientData = '16777215;15987699;17;0;0;15987699;15658734;71;0;0;15658734;14737632;11;0;0;14737632;14737632;0;0;0'
            ImagePercent = 0
            ShowFocus = False
            FadingEnabled = False
            FadingIntervalIn = 5
            FadingIntervalOut = 5
            FadingIterations = 5
            HotPaintingColor = clWhite
            HotPaintingTransparency = 0
            HotPaintingBevel = cbNone
            HotPaintingBevelWidth = 2
            HotGradientPercent = 0
            HotGradientData = ' '
            HotImagePercent = 0
            PaintingColorBorderTop = clBlack
            PaintingColorBorderBottom = clBlack
            SelectionBorderBevel = ebLowered
            SelectionBorderWidth = 2
            SelectionColor = clWhite
          end
          item
            SectionName = 'TsTabSheetRIGHT'
            PaintingColor = 15461355
            PaintingBevel = cbNone
            PaintingBevelWidth = 2
            ShadowBlur = 6
            ShadowColor = clBlack
            ShadowDontUse = False
            ShadowEnabled = False
            ReservedBoolean = False
            ShadowOffset = 3
            ShadowTransparency = 60
            FontColor = '0 -1 -1 -1 -1'
            HotFontColor = '0 -1 -1 -1 -1'
            PaintingTransparency = 0
            GradientPercent = 100
            GradientData = '16777215;15987699;17;0;0;15987699;15658734;71;0;0;15658734;14737632;11;0;0;14737632;14737632;0;0;0'
            ImagePercent = 0
            ShowFocus = False
            FadingEnabled = False
            FadingIntervalIn = 5
            FadingIntervalOut = 5
            FadingIterations = 5
            HotPaintingColor = clWhite
            HotPaintingTransparency = 0
            HotPaintingBevel = cbNone
            HotPaintingBevelWidth = 2
            HotGradientPercent = 0
            HotGradientData = ' '
            HotImagePercent = 0
            PaintingColorBorderTop = clBlack
            PaintingColorBorderBottom = clBlack
            SelectionBorderBevel = ebLowered
            SelectionBorderWidth = 2
            SelectionColor = clWhite
          end
          item
            SectionName = 'FormTitle'
            PaintingColor = clWhite
            PaintingBevel = cbNone
            PaintingBevelWidth = 2
            ShadowBlur = 6
            ShadowColor = clBlack
            ShadowDontUse = False
            ShadowEnabled = False
            ReservedBoolean = False
            ShadowOffset = 3
            ShadowTransparency = 60
            FontColor = '16777215 -1 -1 12615808 12615808'
            HotFontColor = '16775664 -1 -1 8140820 8140820'
            PaintingTransparency = 0
            GradientPercent = 100
            GradientData = '15985380;15588028;23;0;0;15588028;11107158;63;0;0;11107158;12550976;13;0;0;12550976;12550976;0;0;0'
            ImagePercent = 0
            ShowFocus = False
            FadingEnabled = False
            FadingIntervalIn = 5
            FadingIntervalOut = 5
            FadingIterations = 5
            HotPaintingColor = clWhite
            HotPaintingTransparency = 0
            HotPaintingBevel = cbNone
            HotPaintingBevelWidth = 2
            HotGradientPercent = 100
            HotGradientData = '15190957;13864756;30;0;0;13864756;10969900;61;0;0;10969900;12550976;8;0;0;12550976;12550976;0;0;0'
            HotImagePercent = 0
            PaintingColorBorderTop = clBlack
            PaintingColorBorderBottom = clBlack
            SelectionBorderBevel = ebLowered
            SelectionBorderWidth = 2
            SelectionColor = clWhite
          end
          item
            SectionName = 'TsPageControlBOTTOM'
            ParentClassName = 'TsPageControl'
            PaintingColor = 15461355
            PaintingBevel = cbNone
            PaintingBevelWidth = 2
            ShadowBlur = 6
            ShadowColor = clBlack
            ShadowDontUse = False
            ShadowEnabled = False
            ReservedBoolean = False
            ShadowOffset = 3
            ShadowTransparency = 60
            FontColor = '0 -1 -1 -1 -1'
            HotFontColor = '0 -1 -1 -1 -1'
            PaintingTransparency = 0
            GradientPercent = 100
            GradientData = '16777215;15987699;17;0;0;15987699;15658734;71;0;0;15658734;14737632;11;0;0;14737632;14737632;0;0;0'
            ImagePercent = 0
            ShowFocus = False
            FadingEnabled = False
            FadingIntervalIn = 5
            FadingIntervalOut = 5
            FadingIterations = 5
            HotPaintingColor = clWhite
            HotPaintingTransparency = 0
            HotPaintingBevel = cbNone
            HotPaintingBevelWidth = 2
            HotGradientPercent = 0
            HotGradientData = ' '
            HotImagePercent = 0
            PaintingColorBorderTop = clBlack
            PaintingColorBorderBottom = clBlack
            SelectionBorderBevel = ebLowered
            SelectionBorderWidth = 2
            SelectionColor = clWhite
          end
          item
            SectionName = 'TsPageControlLEFT'
            ParentClassName = 'TsPageControl'
            PaintingColor = 15461355
            PaintingBevel = cbNone
            PaintingBevelWidth = 2
            ShadowBlur = 6
            ShadowColor = clBlack
            ShadowDontUse = False
            ShadowEnabled = False
            ReservedBoolean = False
            ShadowOffset = 3
            ShadowTransparency = 60
            FontColor = '0 -1 -1 -1 -1'
            HotFontColor = '0 -1 -1 -1 -1'
            PaintingTransparency = 0
            GradientPercent = 100
            GradientData = '16777215;15987699;17;0;0;15987699;15658734;71;0;0;15658734;14737632;11;0;0;14737632;14737632;0;0;0'
            ImagePercent = 0
            ShowFocus = False
            FadingEnabled = False
            FadingIntervalIn = 5
            FadingIntervalOut = 5
            FadingIterations = 5
            HotPaintingColor = clWhite
            HotPaintingTransparency = 0
            HotPaintingBevel = cbNone
            HotPaintingBevelWidth = 2
            HotGradientPercent = 0
            HotGradientData = ' '
            HotImagePercent = 0
            PaintingColorBorderTop = clBlack
            PaintingColorBorderBottom = clBlack
            SelectionBorderBevel = ebLowered
            SelectionBorderWidth = 2
            SelectionColor = clWhite
          end
          item
            SectionName = 'TsPageControlRIGHT'
            ParentClassName = 'TsPageControl'
            PaintingColor = 15461355
            PaintingBevel = cbNone
            PaintingBevelWidth = 2
            ShadowBlur = 6
            ShadowColor = clBlack
            ShadowDontUse = False
            ShadowEnabled = False
            ReservedBoolean = False
            ShadowOffset = 3
            ShadowTransparency = 60
            FontColor = '0 -1 -1 -1 -1'
            HotFontColor = '0 -1 -1 -1 -1'
            PaintingTransparency = 0
            GradientPercent = 100
            GradientData = '16777215;15987699;17;0;0;15987699;15658734;71;0;0;15658734;14737632;11;0;0;14737632;14737632;0;0;0'
            ImagePercent = 0
            ShowFocus = False
            FadingEnabled = False
            FadingIntervalIn = 5
            FadingIntervalOut = 5
            FadingIterations = 5
            HotPaintingColor = clWhite
            HotPaintingTransparency = 0
            HotPaintingBevel = cbNone
            HotPaintingBevelWidth = 2
            HotGradientPercent = 0
            HotGradientData = ' '
            HotImagePercent = 0
            PaintingColorBorderTop = clBlack
            PaintingColorBorderBottom = clBlack
            SelectionBorderBevel = ebLowered
            SelectionBorderWidth = 2
            SelectionColor = clWhite
          end
          item
            SectionName = 'TsSplitter'
            ParentClassName = 'TsSpeedButton_Small'
            PaintingColor = 15263976
            PaintingBevel = cbNone
            PaintingBevelWidth = 2
            ShadowBlur = 6
            ShadowColor = clBlack
            ShadowDontUse = False
            ShadowEnabled = False
            ReservedBoolean = False
            ShadowOffset = 3
            ShadowTransparency = 60
            FontColor = '0 -1 -1 -1 -1'
            HotFontColor = '0 -1 -1 -1 -1'
            PaintingTransparency = 50
            GradientPercent = 0
            GradientData = ' '
            ImagePercent = 0
            ShowFocus = False
            FadingEnabled = True
            FadingIntervalIn = 5
            FadingIntervalOut = 5
            FadingIterations = 4
            HotPaintingColor = 13466380
            HotPaintingTransparency = 60
            HotPaintingBevel = cbNone
            HotPaintingBevelWidth = 2
            HotGradientPercent = 0
            HotGradientData = ' '
            HotImagePercent = 0
            PaintingColorBorderTop = clBlack
            PaintingColorBorderBottom = clBlack
            SelectionBorderBevel = ebLowered
            SelectionBorderWidth = 2
            SelectionColor = clWhite
          end
          item
            SectionName = 'TsTabControl'
            ParentClassName = 'TsPageControl'
            PaintingColor = 15461355
            PaintingBevel = cbNone
            PaintingBevelWidth = 2
            ShadowBlur = 6
            ShadowColor = clBlack
            ShadowDontUse = False
            ShadowEnabled = False
            ReservedBoolean = False
            ShadowOffset = 3
            ShadowTransparency = 60
            FontColor = '0 -1 -1 -1 -1'
            HotFontColor = '0 -1 -1 -1 -1'
            PaintingTransparency = 0
            GradientPercent = 100
            GradientData = '16777215;15987699;17;0;0;15987699;15658734;71;0;0;15658734;14737632;11;0;0;14737632;14737632;0;0;0'
            ImagePercent = 0
            ShowFocus = False
            FadingEnabled = False
            FadingIntervalIn = 5
            FadingIntervalOut = 5
            FadingIterations = 5
            HotPaintingColor = clWhite
            HotPaintingTransparency = 0
            HotPaintingBevel = cbNone
            HotPaintingBevelWidth = 2
            HotGradientPercent = 0
            HotGradientData = ' '
            HotImagePercent = 0
            PaintingColorBorderTop = clBlack
            PaintingColorBorderBottom = clBlack
            SelectionBorderBevel = ebLowered
            SelectionBorderWidth = 2
            SelectionColor = clWhite
          end
          item
            SectionName = 'TsTabControlLEFT'
            ParentClassName = 'TsPageControlLEFT'
            PaintingColor = 15461355
            PaintingBevel = cbNone
            PaintingBevelWidth = 2
            ShadowBlur = 6
            ShadowColor = clBlack
            ShadowDontUse = False
            ShadowEnabled = False
            ReservedBoolean = False
            ShadowOffset = 3
            ShadowTransparency = 60
            FontColor = '0 -1 -1 -1 -1'
            HotFontColor = '0 -1 -1 -1 -1'
            PaintingTransparency = 0
            GradientPercent = 100
            GradientData = '16777215;15987699;17;0;0;15987699;15658734;71;0;0;15658734;14737632;11;0;0;14737632;14737632;0;0;0'
            ImagePercent = 0
            ShowFocus = False
            FadingEnabled = False
            FadingIntervalIn = 5
            FadingIntervalOut = 5
            FadingIterations = 5
            HotPaintingColor = clWhite
            HotPaintingTransparency = 0
            HotPaintingBevel = cbNone
            HotPaintingBevelWidth = 2
            HotGradientPercent = 0
            HotGradientData = ' '
            HotImagePercent = 0
            PaintingColorBorderTop = clBlack
            PaintingColorBorderBottom = clBlack
            SelectionBorderBevel = ebLowered
            SelectionBorderWidth = 2
            SelectionColor = clWhite
          end
          item
            SectionName = 'TsTabControlRIGHT'
            ParentClassName = 'TsPageControlRIGHT'
            PaintingColor = 15461355
            PaintingBevel = cbNone
            PaintingBevelWidth = 2
            ShadowBlur = 6
            ShadowColor = clBlack
            ShadowDontUse = False
            ShadowEnabled = False
            ReservedBoolean = False
            ShadowOffset = 3
            ShadowTransparency = 60
            FontColor = '0 -1 -1 -1 -1'
            HotFontColor = '0 -1 -1 -1 -1'
            PaintingTransparency = 0
            GradientPercent = 100
            GradientData = '16777215;15987699;17;0;0;15987699;15658734;71;0;0;15658734;14737632;11;0;0;14737632;14737632;0;0;0'
            ImagePercent = 0
            ShowFocus = False
            FadingEnabled = False
            FadingIntervalIn = 5
            FadingIntervalOut = 5
            FadingIterations = 5
            HotPaintingColor = clWhite
            HotPaintingTransparency = 0
            HotPaintingBevel = cbNone
            HotPaintingBevelWidth = 2
            HotGradientPercent = 0
            HotGradientData = ' '
            HotImagePercent = 0
            PaintingColorBorderTop = clBlack
            PaintingColorBorderBottom = clBlack
            SelectionBorderBevel = ebLowered
            SelectionBorderWidth = 2
            SelectionColor = clWhite
          end
          item
            SectionName = 'TsTabControlBOTTOM'
            ParentClassName = 'TsPageControlBOTTOM'
            PaintingColor = 15461355
            PaintingBevel = cbNone
            PaintingBevelWidth = 2
            ShadowBlur = 6
            ShadowColor = clBlack
            ShadowDontUse = False
            ShadowEnabled = False
            ReservedBoolean = False
            ShadowOffset = 3
            ShadowTransparency = 60
            FontColor = '0 -1 -1 -1 -1'
            HotFontColor = '0 -1 -1 -1 -1'
            PaintingTransparency = 0
            GradientPercent = 100
            GradientData = '16777215;15987699;17;0;0;15987699;15658734;71;0;0;15658734;14737632;11;0;0;14737632;14737632;0;0;0'
            ImagePercent = 0
            ShowFocus = False
            FadingEnabled = False
            FadingIntervalIn = 5
            FadingIntervalOut = 5
            FadingIterations = 5
            HotPaintingColor = clWhite
            HotPaintingTransparency = 0
            HotPaintingBevel = cbNone
            HotPaintingBevelWidth = 2
            HotGradientPercent = 0
            HotGradientData = ' '
            HotImagePercent = 0
            PaintingColorBorderTop = clBlack
            PaintingColorBorderBottom = clBlack
            SelectionBorderBevel = ebLowered
            SelectionBorderWidth = 2
            SelectionColor = clWhite
          end
          item
            SectionName = 'TsButton'
            PaintingColor = 15263976
            PaintingBevel = cbNone
            PaintingBevelWidth = 2
            ShadowBlur = 6
            ShadowColor = clBlack
            ShadowDontUse = False
            ShadowEnabled = True
            ReservedBoolean = False
            ShadowOffset = 3
            ShadowTransparency = 60
            FontColor = '0 -1 -1 -1 -1'
            HotFontColor = '0 -1 -1 -1 -1'
            PaintingTransparency = 50
            GradientPercent = 0
            GradientData = ' '
            ImagePercent = 0
            ShowFocus = False
            FadingEnabled = True
            FadingIntervalIn = 5
            FadingIntervalOut = 5
            FadingIterations = 4
            HotPaintingColor = 13466380
            HotPaintingTransparency = 60
            HotPaintingBevel = cbNone
            HotPaintingBevelWidth = 2
            HotGradientPercent = 0
            HotGradientData = ' '
            HotImagePercent = 0
            PaintingColorBorderTop = clBlack
            PaintingColorBorderBottom = clBlack
            SelectionBorderBevel = ebLowered
            SelectionBorderWidth = 2
            SelectionColor = clWhite
          end
          item
            SectionName = 'SIMPLYEDIT'
            PaintingColor = clWhite
            PaintingBevel = cbNone
            PaintingBevelWidth = 2
            ShadowBlur = 6
            ShadowColor = clBlack
            ShadowDontUse = False
            ShadowEnabled = False
            ReservedBoolean = False
            ShadowOffset = 3
            ShadowTransparency = 60
            FontColor = '0 -1 -1 -1 -1'
            HotFontColor = '0 -1 -1 -1 -1'
            PaintingTransparency = 0
            GradientPercent = 0
            GradientData = ' '
            ImagePercent = 0
            ShowFocus = False
            FadingEnabled = False
            FadingIntervalIn = 5
            FadingIntervalOut = 5
            FadingIterations = 5
            HotPaintingColor = clWhite
            HotPaintingTransparency = 0
            HotPaintingBevel = cbNone
            HotPaintingBevelWidth = 2
            HotGradientPercent = 0
            HotGradientData = ' '
            HotImagePercent = 0
            PaintingColorBorderTop = clBlack
            PaintingColorBorderBottom = clBlack
            SelectionBorderBevel = ebLowered
            SelectionBorderWidth = 2
            SelectionColor = clWhite
          end
          item
            SectionName = 'TsCheckListBox'
            ParentClassName = 'SIMPLYEDIT'
            PaintingColor = clWhite
            PaintingBevel = cbNone
            PaintingBevelWidth = 2
            ShadowBlur = 6
            ShadowColor = clBlack
            ShadowDontUse = False
            ShadowEnabled = False
            ReservedBoolean = False
            ShadowOffset = 3
            ShadowTransparency = 60
            FontColor = '0 -1 -1 -1 -1'
            HotFontColor = '0 -1 -1 -1 -1'
            PaintingTransparency = 0
            GradientPercent = 0
            GradientData = ' '
            ImagePercent = 0
            ShowFocus = False
            FadingEnabled = False
            FadingIntervalIn = 5
            FadingIntervalOut = 5
            FadingIterations = 5
            HotPaintingColor = clWhite
            HotPaintingTransparency = 0
            HotPaintingBevel = cbNone
            HotPaintingBevelWidth = 2
            HotGradientPercent = 0
            HotGradientData = ' '
            HotImagePercent = 0
            PaintingColorBorderTop = clBlack
            PaintingColorBorderBottom = clBlack
            SelectionBorderBevel = ebLowered
            SelectionBorderWidth = 2
            SelectionColor = clWhite
          end
          item
            SectionName = 'ZENTAEDIT'
            PaintingColor = clWhite
            PaintingBevel = cbNone
            PaintingBevelWidth = 2
            ShadowBlur = 6
            ShadowColor = clBlack
            ShadowDontUse = False
            ShadowEnabled = False
            ReservedBoolean = False
            ShadowOffset = 3
            ShadowTransparency = 60
            FontColor = '0 -1 -1 -1 -1'
            HotFontColor = '0 -1 -1 -1 -1'
            PaintingTransparency = 0
            GradientPercent = 0
            GradientData = ' '
            ImagePercent = 0
            ShowFocus = False
            FadingEnabled = False
            FadingIntervalIn = 5
            FadingIntervalOut = 5
            FadingIterations = 5
            HotPaintingColor = clWhite
            HotPaintingTransparency = 0
            HotPaintingBevel = cbNone
            HotPaintingBevelWidth = 2
            HotGradientPercent = 0
            HotGradientData = ' '
            HotImagePercent = 0
            PaintingColorBorderTop = clBlack
            PaintingColorBorderBottom = clBlack
            SelectionBorderBevel = ebLowered
            SelectionBorderWidth = 2
            SelectionColor = clWhite
          end
          item
            SectionName = 'TsButton_Big'
            ParentClassName = 'TsButton'
            PaintingColor = 15263976
            PaintingBevel = cbNone
            PaintingBevelWidth = 2
            ShadowBlur = 6
            ShadowColor = clBlack
            ShadowDontUse = False
            ShadowEnabled = True
            ReservedBoolean = False
            ShadowOffset = 3
            ShadowTransparency = 60
            FontColor = '0 -1 -1 -1 -1'
            HotFontColor = '0 -1 -1 -1 -1'
            PaintingTransparency = 50
            GradientPercent = 0
            GradientData = ' '
            ImagePercent = 0
            ShowFocus = False
            FadingEnabled = True
            FadingIntervalIn = 5
            FadingIntervalOut = 5
            FadingIterations = 4
            HotPaintingColor = 13466380
            HotPaintingTransparency = 60
            HotPaintingBevel = cbNone
            HotPaintingBevelWidth = 2
            HotGradientPercent = 0
            HotGradientData = ' '
            HotImagePercent = 0
            PaintingColorBorderTop = clBlack
            PaintingColorBorderBottom = clBlack
            SelectionBorderBevel = ebLowered
            SelectionBorderWidth = 2
            SelectionColor = clWhite
          end
          item
            SectionName = 'TsColorBox'
            ParentClassName = 'SIMPLYEDIT'
            PaintingColor = clWhite
            PaintingBevel = cbNone
            PaintingBevelWidth = 2
            ShadowBlur = 6
            ShadowColor = clBlack
            ShadowDontUse = False
            ShadowEnabled = False
            ReservedBoolean = False
            ShadowOffset = 3
            ShadowTransparency = 60
            FontColor = '0 -1 -1 -1 -1'
            HotFontColor = '0 -1 -1 -1 -1'
            PaintingTransparency = 0
            GradientPercent = 0
            GradientData = ' '
            ImagePercent = 0
            ShowFocus = False
            FadingEnabled = False
            FadingIntervalIn = 5
            FadingIntervalOut = 5
            FadingIterations = 5
            HotPaintingColor = clWhite
            HotPaintingTransparency = 0
            HotPaintingBevel = cbNone
            HotPaintingBevelWidth = 2
            HotGradientPercent = 0
            HotGradientData = ' '
            HotImagePercent = 0
            PaintingColorBorderTop = clBlack
            PaintingColorBorderBottom = clBlack
            SelectionBorderBevel = ebLowered
            SelectionBorderWidth = 2
            SelectionColor = clWhite
          end
          item
            SectionName = 'TscomboBoxEx'
            ParentClassName = 'SIMPLYEDIT'
            PaintingColor = clWhite
            PaintingBevel = cbNone
            PaintingBevelWidth = 2
            ShadowBlur = 6
            ShadowColor = clBlack
            ShadowDontUse = False
            ShadowEnabled = False
            ReservedBoolean = False
            ShadowOffset = 3
            ShadowTransparency = 60
            FontColor = '0 -1 -1 -1 -1'
            HotFontColor = '0 -1 -1 -1 -1'
            PaintingTransparency = 0
            GradientPercent = 0
            GradientData = ' '
            ImagePercent = 0
            ShowFocus = False
            FadingEnabled = False
            FadingIntervalIn = 5
            FadingIntervalOut = 5
            FadingIterations = 5
            HotPaintingColor = clWhite
            HotPaintingTransparency = 0
            HotPaintingBevel = cbNone
            HotPaintingBevelWidth = 2
            HotGradientPercent = 0
            HotGradientData = ' '
            HotImagePercent = 0
            PaintingColorBorderTop = clBlack
            PaintingColorBorderBottom = clBlack
            SelectionBorderBevel = ebLowered
            SelectionBorderWidth = 2
            SelectionColor = clWhite
          end
          item
            SectionName = 'TsColorBox_1'
            ParentClassName = 'ZENTAEDIT'
            PaintingColor = clWhite
            PaintingBevel = cbNone
            PaintingBevelWidth = 2
            ShadowBlur = 6
            ShadowColor = clBlack
            ShadowDontUse = False
            ShadowEnabled = False
            ReservedBoolean = False
            ShadowOffset = 3
            ShadowTransparency = 60
            FontColor = '0 -1 -1 -1 -1'
            HotFontColor = '0 -1 -1 -1 -1'
            PaintingTransparency = 0
            GradientPercent = 0
            GradientData = ' '
            ImagePercent = 0
            ShowFocus = False
            FadingEnabled = False
            FadingIntervalIn = 5
            FadingIntervalOut = 5
            FadingIterations = 5
            HotPaintingColor = clWhite
            HotPaintingTransparency = 0
            HotPaintingBevel = cbNone
            HotPaintingBevelWidth = 2
            HotGradientPercent = 0
            HotGradientData = ' '
            HotImagePercent = 0
            PaintingColorBorderTop = clBlack
            PaintingColorBorderBottom = clBlack
            SelectionBorderBevel = ebLowered
            SelectionBorderWidth = 2
            SelectionColor = clWhite
          end
          item
            SectionName = 'TsComboBoxEx_1'
            ParentClassName = 'ZENTAEDIT'
            PaintingColor = clWhite
            PaintingBevel = cbNone
            PaintingBevelWidth = 2
            ShadowBlur = 6
            ShadowColor = clBlack
            ShadowDontUse = False
            ShadowEnabled = False
            ReservedBoolean = False
            ShadowOffset = 3
            ShadowTransparency = 60
            FontColor = '0 -1 -1 -1 -1'
            HotFontColor = '0 -1 -1 -1 -1'
            PaintingTransparency = 0
            GradientPercent = 0
            GradientData = ' '
            ImagePercent = 0
            ShowFocus = False
            FadingEnabled = False
            FadingIntervalIn = 5
            FadingIntervalOut = 5
            FadingIterations = 5
            HotPaintingColor = clWhite
            HotPaintingTransparency = 0
            HotPaintingBevel = cbNone
            HotPaintingBevelWidth = 2
            HotGradientPercent = 0
            HotGradientData = ' '
            HotImagePercent = 0
            PaintingColorBorderTop = clBlack
            PaintingColorBorderBottom = clBlack
            SelectionBorderBevel = ebLowered
            SelectionBorderWidth = 2
            SelectionColor = clWhite
          end
          item
            SectionName = 'Form'
            PaintingColor = 14998481
            PaintingBevel = cbNone
            PaintingBevelWidth = 2
            ShadowBlur = 6
            ShadowColor = clBlack
            ShadowDontUse = False
            ShadowEnabled = False
            ReservedBoolean = False
            ShadowOffset = 3
            ShadowTransparency = 60
            FontColor = '0 -1 -1 -1 -1'
            HotFontColor = '0 -1 -1 -1 -1'
            PaintingTransparency = 0
            GradientPercent = 0
            GradientData = ' '
            ImagePercent = 100
            ShowFocus = False
            FadingEnabled = False
            FadingIntervalIn = 5
            FadingIntervalOut = 5
            FadingIterations = 5
            HotPaintingColor = 14998481
            HotPaintingTransparency = 0
            HotPaintingBevel = cbNone
            HotPaintingBevelWidth = 2
            HotGradientPercent = 0
            HotGradientData = ' '
            HotImagePercent = 100
            PaintingColorBorderTop = clBlack
            PaintingColorBorderBottom = clBlack
            SelectionBorderBevel = ebLowered
            SelectionBorderWidth = 2
            SelectionColor = clWhite
          end
          item
            PaintingColor = clBlack
            PaintingBevel = cbNone
            PaintingBevelWidth = 0
            ShadowBlur = 0
            ShadowColor = clBlack
            ShadowDontUse = False
            ShadowEnabled = False
            ReservedBoolean = False
            ShadowOffset = 0
            ShadowTransparency = 0
            PaintingTransparency = 0
            GradientPercent = 0
            ImagePercent = 0
            ShowFocus = False
            FadingEnabled = False
            FadingIntervalIn = 0
            FadingIntervalOut = 0
            FadingIterations = 0
            HotPaintingColor = clBlack
            HotPaintingTransparency = 0
            HotPaintingBevel = cbNone
            HotPaintingBevelWidth = 0
            HotGradientPercent = 0
            HotImagePercent = 0
            PaintingColorBorderTop = clBlack
            PaintingColorBorderBottom = clBlack
            SelectionBorderBevel = ebNone
            SelectionBorderWidth = 0
            SelectionColor = clBlack
          end>
        Images = <
          item
            SectionName = 'TsRadioButton'
            Image.Data = {file 'VELORA_TSRADIOBUTTON_GLYPHCHECKED'}
            PropertyName = 'GlyphChecked'
          end
          item
            SectionName = 'TsRadioButton'
            Image.Data = {file 'VELORA_TSRADIOBUTTON_GLYPHUNCHECKED'}
            PropertyName = 'GlyphUnChecked'
          end
          item
            SectionName = 'TsGroupBox'
            Image.Data = {file 'VELORA_TSGROUPBOX_BORDERSMASK'}
            PropertyName = 'BordersMask'
          end
          item
            SectionName = 'TsStatusBar'
            Image.Data = {file 'VELORA_TSSTATUSBAR_BORDERSMASK'}
            PropertyName = 'BordersMask'
          end
          item
            SectionName = 'TsStatusBar'
            Image.Data = {file 'VELORA_TSSTATUSBAR_GRIPIMAGE'}
            PropertyName = 'GripImage'
          end
          item
            SectionName = 'TsStatusBar'
            Image.Data = {file 'VELORA_TSSTATUSBAR_STATUSPANELMASK'}
            PropertyName = 'StatusPanelMask'
          end
          item
            SectionName = 'TsCheckBox'
            Image.Data = {file 'VELORA_TSCHECKBOX_GLYPHCHECKED'}
            PropertyName = 'GlyphChecked'
          end
          item
            SectionName = 'TsCheckBox'
            Image.Data = {file 'VELORA_TSCHECKBOX_GLYPHUNCHECKED'}
            PropertyName = 'GlyphUnChecked'
          end
          item
            SectionName = 'TsTabSheet'
            Image.Data = {file 'VELORA_TSTABSHEET_ACTIVETABBORDERSMASK'}
            PropertyName = 'ActiveTabBordersMask'
          end
          item
            SectionName = 'TsTabSheet'
            Image.Data = {file 'VELORA_TSTABSHEET_INACTIVETABBORDERSMASK'}
            PropertyName = 'InactiveTabBordersMask'
          end
          item
            SectionName = 'TsTabSheet'
            Image.Data = {file 'VELORA_TSTABSHEET_PAGEBORDERSMASK'}
            PropertyName = 'PageBordersMask'
          end
          item
            SectionName = 'TsComboBox'
            Image.Data = {file 'VELORA_TSCOMBOBOX_GLYPHMASK'}
            PropertyName = 'GlyphMask'
          end
          item
            SectionName = 'SCROLLBTNTop'
            Image.Data = {file 'VELORA_SCROLLBTNTOP_GLYPHMASK'}
            PropertyName = 'GlyphMask'
          end
          item
            SectionName = 'TsDragBar'
            Image.Data = {file 'VELORA_TSDRAGBAR_BORDERSMASK'}
            PropertyName = 'BordersMask'
          end
          item
            SectionName = 'SCROLLBTNLeft'
            Image.Data = {file 'VELORA_SCROLLBTNLEFT_GLYPHMASK'}
            PropertyName = 'GlyphMask'
          end
          item
            SectionName = 'ScrollBar2V'
            Image.Data = {file 'VELORA_SCROLLBAR2V_BORDERSMASK'}
            PropertyName = 'BordersMask'
          end
          item
            SectionName = 'TsTrackBar'
            Image.Data = {file 'VELORA_TSTRACKBAR_SLIDERCHANNEL'}
            PropertyName = 'SliderChannel'
          end
          item
            SectionName = 'TsTrackBar'
            Image.Data = {file 'VELORA_TSTRACKBAR_SLIDERMASK'}
            PropertyName = 'SliderMask'
          end
          item
            SectionName = 'TsTrackBar'
            Image.Data = {file 'VELORA_TSTRACKBAR_SLIDERVMASK'}
            PropertyName = 'SliderVMask'
          end
          item
            SectionName = 'MenuLine'
            Image.Data = {file 'VELORA_MENULINE_BORDERSMASK'}
            PropertyName = 'BordersMask'
          end
          item
            SectionName = 'TsPageControl'
            Image.Data = {file 'VELORA_TSPAGECONTROL_BORDERSMASK'}
            PropertyName = 'BordersMask'
          end
          item
            SectionName = 'ScrollBar1H'
            Image.Data = {file 'VELORA_SCROLLBAR1H_BORDERSMASK'}
            PropertyName = 'BordersMask'
          end
          item
            SectionName = 'ScrollBar1V'
            Image.Data = {file 'VELORA_SCROLLBAR1V_BORDERSMASK'}
            PropertyName = 'BordersMask'
          end
          item
            SectionName = 'ScrollSliderV'
            Image.Data = {file 'VELORA_SCROLLSLIDERV_GLYPHMASK'}
            PropertyName = 'GlyphMask'
          end
          item
            SectionName = 'SCROLLBTNRight'
            Image.Data = {file 'VELORA_SCROLLBTNRIGHT_GLYPHMASK'}
            PropertyName = 'GlyphMask'
          end
          item
            SectionName = 'SCROLLBTNBottom'
            Image.Data = {file 'VELORA_SCROLLBTNBOTTOM_BORDERSMASK'}
            PropertyName = 'BordersMask'
          end
          item
            SectionName = 'SCROLLBTNBottom'
            Image.Data = {file 'VELORA_SCROLLBTNBOTTOM_GLYPHMASK'}
            PropertyName = 'GlyphMask'
          end
          item
            SectionName = 'ScrollSliderH'
            Image.Data = {file 'VELORA_SCROLLSLIDERH_GLYPHMASK'}
            PropertyName = 'GlyphMask'
          end
          item
            SectionName = 'CalcPanel'
            Image.Data = {file 'VELORA_CALCPANEL_BORDERSMASK'}
            PropertyName = 'BordersMask'
          end
          item
            SectionName = 'TsSpeedButton_Small'
            Image.Data = {file 'VELORA_TSSPEEDBUTTON_SMALL_BORDERSMASK'}
            PropertyName = 'BordersMask'
          end
          item
            SectionName = 'TsSpeedButton'
            Image.Data = {file 'VELORA_TSSPEEDBUTTON_BORDERSMASK'}
            PropertyName = 'BordersMask'
          end
          item
            SectionName = 'TsContainer'
            Image.Data = {file 'VELORA_TSCONTAINER_BORDERSMASK'}
            PropertyName = 'BordersMask'
          end
          item
            SectionName = 'TsGauge'
            Image.Data = {file 'VELORA_TSGAUGE_BORDERSMASK'}
            PropertyName = 'BordersMask'
          end
          item
            SectionName = 'TsGauge'
            Image.Data = {file 'VELORA_TSGAUGE_GAUGEPROGRESSMASK'}
            PropertyName = 'GaugeProgressMask'
          end
          item
            SectionName = 'TsPanel'
            Image.Data = {file 'VELORA_TSPANEL_BORDERSMASK'}
            PropertyName = 'BordersMask'
          end
          item
            SectionName = 'TsTabSheetBOTTOM'
            Image.Data = {file 'VELORA_TSTABSHEETBOTTOM_ACTIVETABBORDERSMASK'}
            PropertyName = 'ActiveTabBordersMask'
          end
          item
            SectionName = 'TsTabSheetBOTTOM'
            Image.Data = {file 'VELORA_TSTABSHEETBOTTOM_INACTIVETABBORDERSMASK'}
            PropertyName = 'InactiveTabBordersMask'
          end
          item
            SectionName = 'TsTabSheetLEFT'
            Image.Data = {file 'VELORA_TSTABSHEETLEFT_ACTIVETABBORDERSMASK'}
            PropertyName = 'ActiveTabBordersMask'
          end
          item
            SectionName = 'TsTabSheetLEFT'
            Image.Data = {file 'VELORA_TSTABSHEETLEFT_INACTIVETABBORDERSMASK'}
            PropertyName = 'InactiveTabBordersMask'
          end
          item
            SectionName = 'TsTabSheetRIGHT'
            Image.Data = {file 'VELORA_TSTABSHEETRIGHT_ACTIVETABBORDERSMASK'}
            PropertyName = 'ActiveTabBordersMask'
          end
          item
            SectionName = 'TsTabSheetRIGHT'
            Image.Data = {file 'VELORA_TSTABSHEETRIGHT_INACTIVETABBORDERSMASK'}
            PropertyName = 'InactiveTabBordersMask'
          end
          item
            SectionName = 'FormTitle'
            Image.Data = {file 'VELORA_FORMTITLE_BORDERSMASK'}
            PropertyName = 'BordersMask'
          end
          item
            SectionName = 'TsPageControlBOTTOM'
            Image.Data = {file 'VELORA_TSPAGECONTROLBOTTOM_BORDERSMASK'}
            PropertyName = 'BordersMask'
          end
          item
            SectionName = 'TsPageControlLEFT'
            Image.Data = {file 'VELORA_TSPAGECONTROLLEFT_BORDERSMASK'}
            PropertyName = 'BordersMask'
          end
          item
            SectionName = 'TsPageControlRIGHT'
            Image.Data = {file 'VELORA_TSPAGECONTROLRIGHT_BORDERSMASK'}
            PropertyName = 'BordersMask'
          end
          item
            SectionName = 'TsTabControl'
            Image.Data = {file 'VELORA_TSTABCONTROL_ACTIVETABBORDERSMASK'}
            PropertyName = 'ActiveTabBordersMask'
          end
          item
            SectionName = 'TsTabControl'
            Image.Data = {file 'VELORA_TSTABCONTROL_INACTIVETABBORDERSMASK'}
            PropertyName = 'InactiveTabBordersMask'
          end
          item
            SectionName = 'TsTabControlLEFT'
            Image.Data = {file 'VELORA_TSTABCONTROLLEFT_ACTIVETABBORDERSMASK'}
            PropertyName = 'ActiveTabBordersMask'
          end
          item
            SectionName = 'TsTabControlLEFT'
            Image.Data = {file 'VELORA_TSTABCONTROLLEFT_INACTIVETABBORDERSMASK'}
            PropertyName = 'InactiveTabBordersMask'
          end
          item
            SectionName = 'TsTabControlRIGHT'
            Image.Data = {file 'VELORA_TSTABCONTROLRIGHT_ACTIVETABBORDERSMASK'}
            PropertyName = 'ActiveTabBordersMask'
          end
          item
            SectionName = 'TsTabControlRIGHT'
            Image.Data = {file 'VELORA_TSTABCONTROLRIGHT_INACTIVETABBORDERSMASK'}
            PropertyName = 'InactiveTabBordersMask'
          end
          item
            SectionName = 'TsTabControlBOTTOM'
            Image.Data = {file 'VELORA_TSTABCONTROLBOTTOM_ACTIVETABBORDERSMASK'}
            PropertyName = 'ActiveTabBordersMask'
          end
          item
            SectionName = 'TsTabControlBOTTOM'
            Image.Data = {file 'VELORA_TSTABCONTROLBOTTOM_INACTIVETABBORDERSMASK'}
            PropertyName = 'InactiveTabBordersMask'
          end
          item
            SectionName = 'TsButton'
            Image.Data = {file 'VELORA_TSBUTTON_BORDERSMASK'}
            PropertyName = 'BordersMask'
          end
          item
            SectionName = 'SIMPLYEDIT'
            Image.Data = {file 'VELORA_SIMPLYEDIT_BORDERSMASK'}
            PropertyName = 'BordersMask'
          end
          item
            SectionName = 'ZENTAEDIT'
            Image.Data = {file 'VELORA_ZENTAEDIT_BORDERSMASK'}
            PropertyName = 'BordersMask'
          end
          item
            SectionName = 'TsButton_Big'
            Image.Data = {file 'VELORA_TSBUTTON_BIG_BORDERSMASK'}
            PropertyName = 'BordersMask'
          end
          item
            SectionName = 'TsColorBox'
            Image.Data = {file 'VELORA_TSCOLORBOX_GLYPHMASK'}
            PropertyName = 'GlyphMask'
          end
          item
            SectionName = 'TscomboBoxEx'
            Image.Data = {file 'VELORA_TSCOMBOBOXEX_GLYPHMASK'}
            PropertyName = 'GlyphMask'
          end
          item
            SectionName = 'TsColorBox_1'
            Image.Data = {file 'VELORA_TSCOLORBOX_1_GLYPHMASK'}
            PropertyName = 'GlyphMask'
          end
          item
            SectionName = 'TsComboBoxEx_1'
            Image.Data = {file 'VELORA_TSCOMBOBOXEX_1_GLYPHMASK'}
            PropertyName = 'GlyphMask'
          end
          item
            SectionName = 'Form'
            Image.Data = {file 'VELORA_FORM_BICONCLOSE'}
            PropertyName = 'BIconClose'
          end
          item
            SectionName = 'Form'
            Image.Data = {file 'VELORA_FORM_BICONHELP'}
            PropertyName = 'BIconHelp'
          end
          item
            SectionName = 'Form'
            Image.Data = {file 'VELORA_FORM_BICONMAX'}
            PropertyName = 'BIconMax'
          end
          item
            SectionName = 'Form'
            Image.Data = {file 'VELORA_FORM_BICONMIN'}
            PropertyName = 'BIconMin'
          end
          item
            SectionName = 'Form'
            Image.Data = {file 'VELORA_FORM_BICONNORM'}
            PropertyName = 'BIconNorm'
          end
          item
            SectionName = 'Form'
            Image.Data = {file 'VELORA_FORM_BORDERSMASK'}
            PropertyName = 'BordersMask'
          end
          item
            SectionName = 'Form'
            Image.Data = {file 'VELORA_FORM_HOTIMAGEFILE'}
            PropertyName = 'HotImagefile'
          end
          item
            SectionName = 'Form'
            Image.Data = {file 'VELORA_FORM_IMAGEFILE'}
            PropertyName = 'Imagefile'
          end>
      end>
    SkinDirectory = 'c:\Skins'
    SkinName = 'Velora2 (internal)'
  end
end
