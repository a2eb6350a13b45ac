#include "render/LayoutFields.h"

namespace render {

const QVector<AdjustmentTab>& layoutTabs() {
    static const QVector<AdjustmentTab> tabs = {
        {"YubinPage", u"郵便番号", u"郵便番号の位置とサイズ調整", "UDefault",
         {{"UXPos", u"横位置（X）", -50, 50, u"", &LayoutSettings::UXPos},
          {"UYPos", u"縦位置（Y）", -50, 50, u"", &LayoutSettings::UYPos},
          {"UWidth", u"文字幅（W)", -35, 35, u"", &LayoutSettings::UWidth},
          {"UHeight", u"文字高（H)", -35, 35, u"", &LayoutSettings::UHeight}}},
        {"JuushoPage", u"住所", u"住所の位置とサイズ調整", "JDefault",
         {{"J1XPos", u"住所１（横）", -100, 100, u"", &LayoutSettings::J1XPos},
          {"J2XPos", u"住所２（横）", -100, 100, u"", &LayoutSettings::J2XPos},
          {"J1YPos", u"住所１（縦）", -300, 70, u"", &LayoutSettings::J1YPos},
          {"J2YPos", u"住所２（縦）", -400, 150, u"", &LayoutSettings::J2YPos},
          {"JHeight", u"文字大（S)", -15, 20, u"", &LayoutSettings::JHeight}}},
        {"SimeiPage", u"氏名", u"氏名と連名の位置と行間のサイズ調整", "NDefault",
         {{"NXPos", u"横位置（X）", -100, 100, u"", &LayoutSettings::NXPos},
          {"NYPos", u"縦位置（Y)", -400, 150, u"", &LayoutSettings::NYPos},
          {"NHeight", u"文字大（S)", -35, 35, u"", &LayoutSettings::NHeight},
          {"NGyokan", u"行   間（W)", -100, 100, u"", &LayoutSettings::NGyokan}}},
        {"SasidasiUbin", u"差出人郵便番号", u"差出人郵便番号の位置とサイズ調整", "SUDefault",
         {{"SUXPos1", u"横位置（X)", -35, 35, u"上位３桁", &LayoutSettings::SUXPos1},
          {"SUYPos1", u"縦位置（Y)", -35, 35, u"上位３桁", &LayoutSettings::SUYPos1},
          {"SUXPos2", u"横位置（X)", -35, 35, u"下位４桁", &LayoutSettings::SUXPos2},
          {"SUYPos2", u"縦位置（Y)", -35, 35, u"下位４桁", &LayoutSettings::SUYPos2},
          {"SUHeight", u"文字高（H)", -15, 18, u"", &LayoutSettings::SUHeight},
          {"SUWidth", u"文字幅（W)", -10, 10, u"", &LayoutSettings::SUWidth}}},
        {"SasidasiJuusho", u"差出人住所", u"差出人住所の位置とサイズ調整", "SJDefault",
         {{"SJ1XPos", u"住所１（横）", -50, 50, u"", &LayoutSettings::SJ1XPos},
          {"SJ1YPos", u"住所１（縦）", -150, 200, u"", &LayoutSettings::SJ1YPos},
          {"SJ2XPos", u"住所２（横）", -50, 50, u"", &LayoutSettings::SJ2XPos},
          {"SJ2YPos", u"住所２（縦）", -100, 200, u"", &LayoutSettings::SJ2YPos},
          {"SJHeight", u"文字大（S)", -10, 20, u"", &LayoutSettings::SJHeight}}},
        {"SasidasiSimei", u"差出人氏名", u"差出人氏名と連名の位置と行間のサイズ調整", "SNDefault",
         {{"SNXPos", u"横位置（X)", -50, 70, u"", &LayoutSettings::SNXPos},
          {"SNYPos", u"縦位置（Y)", -150, 150, u"", &LayoutSettings::SNYPos},
          {"SNHeight", u"文字大（S)", -20, 35, u"", &LayoutSettings::SNHeight},
          {"SNGyokan", u"行   間（W)", -50, 50, u"", &LayoutSettings::SNGyokan}}},
        {"ShameiPage", u"会社名", u"会社名の位置とサイズ調整", "ShameiDefault",
         {{"ShameiXPos", u"横位置（X）", -100, 100, u"", &LayoutSettings::ShameiXPos},
          {"ShameiYPos", u"縦位置（Y）", -100, 100, u"", &LayoutSettings::ShameiYPos},
          {"ShameiSize", u"文字大（S)", -35, 35, u"", &LayoutSettings::ShameiSize}}},
        {"YakushokuPage", u"役職名", u"役職名の位置とサイズ調整", "YakushokuDefault",
         {{"YakushokuXPos", u"横位置（X）", 200, 200, u"", &LayoutSettings::YakushokuXPos},
          {"YakushokuYPos", u"縦位置（Y）", -200, 200, u"", &LayoutSettings::YakushokuYPos},
          {"YakushokuSize", u"文字大（S)", -50, 50, u"", &LayoutSettings::YakushokuSize},
          {"YGyoukan", u"行　間（G)", -100, 100, u"", &LayoutSettings::YGyoukan}}},
    };
    return tabs;
}

}  // namespace render
