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
  end
  object BtnRandom: TsSpeedButton
    Left = 8
    Top = 464
    Width = 84
    Height = 22
    Caption = 'Randomize'
    Spacing = 3
    OnClick = BtnRandomClick
  end
  object Gambar: TsSpeedButton
    Left = 184
    Top = 464
    Width = 84
    Height = 22
    Caption = 'Gambar Kurva'
    Spacing = 3
    OnClick = GambarClick
  end
  object BtMxN: TsSpeedButton
    Left = 104
    Top = 176
    Width = 84
    Height = 22
    Caption = 'Nilai (M x N)'
    Spacing = 3
    OnClick = BtMxNClick
  end
  object MainMenu: TMainMenu
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
end
