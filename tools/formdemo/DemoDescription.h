#pragma once

namespace formdemo {

// The demo form as the designer would store it: one of every standard control, each with
// enough content to show its frame, text, lines and scroll bars.
inline constexpr const char* DemoDescription = R"(object DemoForm: TDemoForm
  Left = 60
  Top = 40
  BorderStyle = bsSingle
  Caption = 'Standard controls'
  ClientHeight = 440
  ClientWidth = 600
  Color = clBtnFace
  Menu = MainMenu
  OnCreate = FormCreate
  object GbPoint: TGroupBox
    Left = 8
    Top = 8
    Width = 265
    Height = 81
    Caption = 'Titik'
    TabOrder = 0
    object LbName: TLabel
      Left = 12
      Top = 24
      Caption = '&Nama:'
      FocusControl = EdName
    end
    object LbValue: TLabel
      Left = 12
      Top = 52
      Caption = 'N&ilai:'
      FocusControl = EdValue
    end
    object EdName: TEdit
      Left = 96
      Top = 20
      Width = 153
      Height = 21
      TabOrder = 0
    end
    object EdValue: TEdit
      Left = 96
      Top = 48
      Width = 153
      Height = 21
      TabOrder = 1
      Text = '123'
    end
  end
  object GbLogin: TGroupBox
    Left = 8
    Top = 96
    Width = 265
    Height = 57
    Caption = 'Masuk'
    TabOrder = 1
    object LbPassword: TLabel
      Left = 12
      Top = 24
      Caption = '&Sandi:'
      FocusControl = EdPassword
    end
    object EdPassword: TEdit
      Left = 96
      Top = 20
      Width = 153
      Height = 21
      PasswordChar = '*'
      TabOrder = 0
      Text = 'secret'
    end
  end
  object LbItems: TListBox
    Left = 8
    Top = 160
    Width = 265
    Height = 97
    Items.Strings = (
      'Kurva 1'
      'Kurva 2'
      'Kurva 3'
      'Kurva 4'
      'Kurva 5'
      'Kurva 6'
      'Kurva 7'
      'Kurva 8'
      'Kurva 9'
      'Kurva 10'
      'Kurva 11'
      'Kurva 12'
      'Kurva 13'
      'Kurva 14'
      'Kurva 15')
    TabOrder = 2
  end
  object SGTable: TStringGrid
    Left = 8
    Top = 264
    Width = 265
    Height = 169
    ColCount = 4
    DefaultColWidth = 56
    DefaultRowHeight = 20
    RowCount = 13
    TabOrder = 3
  end
  object Panel: TPanel
    Left = 280
    Top = 8
    Width = 313
    Height = 425
    BevelInner = bvLowered
    BevelWidth = 2
    TabOrder = 4
    object PaintBox: TPaintBox
      Left = 8
      Top = 8
      Width = 297
      Height = 201
      OnPaint = PaintBoxPaint
    end
    object Image: TImage
      Left = 8
      Top = 216
      Width = 297
      Height = 201
      Picture.Data = {file 'picture.bmp'}
      Stretch = True
    end
  end
  object MainMenu: TMainMenu
    object MnFile: TMenuItem
      Caption = '&File'
      object MnClose: TMenuItem
        Caption = '&Close'
        OnClick = CloseClick
      end
    end
    object MnHelp: TMenuItem
      Caption = '&Help'
      object MnAbout: TMenuItem
        Caption = '&About'
        OnClick = AboutClick
      end
    end
  end
end
)";

}  // namespace formdemo
