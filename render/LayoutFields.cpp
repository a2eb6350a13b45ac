#include "render/LayoutFields.h"

namespace render {

// The value a field sets, by its path in LayoutSettings.
#define LAYOUT_VALUE(path) [](const LayoutSettings& s) -> const int& { return s.path; }

const QVector<AdjustmentTab>& layoutTabs() {
    static const QVector<AdjustmentTab> tabs = {
        {"YubinPage",
         u"郵便番号",
         u"郵便番号の位置とサイズ調整",
         "UDefault",
         {{"UXPos", u"横位置（X）", -50, 50, u"", LAYOUT_VALUE(recipientPostalCode.x)},
          {"UYPos", u"縦位置（Y）", -50, 50, u"", LAYOUT_VALUE(recipientPostalCode.y)},
          {"UWidth", u"文字幅（W)", -35, 35, u"", LAYOUT_VALUE(recipientPostalCode.width)},
          {"UHeight", u"文字高（H)", -35, 35, u"", LAYOUT_VALUE(recipientPostalCode.height)}}},
        {"JuushoPage",
         u"住所",
         u"住所の位置とサイズ調整",
         "JDefault",
         {{"J1XPos", u"住所１（横）", -100, 100, u"", LAYOUT_VALUE(recipientAddress.line1.x)},
          {"J2XPos", u"住所２（横）", -100, 100, u"", LAYOUT_VALUE(recipientAddress.line2.x)},
          {"J1YPos", u"住所１（縦）", -300, 70, u"", LAYOUT_VALUE(recipientAddress.line1.y)},
          {"J2YPos", u"住所２（縦）", -400, 150, u"", LAYOUT_VALUE(recipientAddress.line2.y)},
          {"JHeight", u"文字大（S)", -15, 20, u"", LAYOUT_VALUE(recipientAddress.height)}}},
        {"SimeiPage",
         u"氏名",
         u"氏名と連名の位置と行間のサイズ調整",
         "NDefault",
         {{"NXPos", u"横位置（X）", -100, 100, u"", LAYOUT_VALUE(recipientName.x)},
          {"NYPos", u"縦位置（Y)", -400, 150, u"", LAYOUT_VALUE(recipientName.y)},
          {"NHeight", u"文字大（S)", -35, 35, u"", LAYOUT_VALUE(recipientName.height)},
          {"NGyokan", u"行   間（W)", -100, 100, u"", LAYOUT_VALUE(recipientName.lineGap)}}},
        {"SasidasiUbin",
         u"差出人郵便番号",
         u"差出人郵便番号の位置とサイズ調整",
         "SUDefault",
         {{"SUXPos1", u"横位置（X)", -35, 35, u"上位３桁", LAYOUT_VALUE(senderPostalCode.upper.x)},
          {"SUYPos1", u"縦位置（Y)", -35, 35, u"上位３桁", LAYOUT_VALUE(senderPostalCode.upper.y)},
          {"SUXPos2", u"横位置（X)", -35, 35, u"下位４桁", LAYOUT_VALUE(senderPostalCode.lower.x)},
          {"SUYPos2", u"縦位置（Y)", -35, 35, u"下位４桁", LAYOUT_VALUE(senderPostalCode.lower.y)},
          {"SUHeight", u"文字高（H)", -15, 18, u"", LAYOUT_VALUE(senderPostalCode.height)},
          {"SUWidth", u"文字幅（W)", -10, 10, u"", LAYOUT_VALUE(senderPostalCode.width)}}},
        {"SasidasiJuusho",
         u"差出人住所",
         u"差出人住所の位置とサイズ調整",
         "SJDefault",
         {{"SJ1XPos", u"住所１（横）", -50, 50, u"", LAYOUT_VALUE(senderAddress.line1.x)},
          {"SJ1YPos", u"住所１（縦）", -150, 200, u"", LAYOUT_VALUE(senderAddress.line1.y)},
          {"SJ2XPos", u"住所２（横）", -50, 50, u"", LAYOUT_VALUE(senderAddress.line2.x)},
          {"SJ2YPos", u"住所２（縦）", -100, 200, u"", LAYOUT_VALUE(senderAddress.line2.y)},
          {"SJHeight", u"文字大（S)", -10, 20, u"", LAYOUT_VALUE(senderAddress.height)}}},
        {"SasidasiSimei",
         u"差出人氏名",
         u"差出人氏名と連名の位置と行間のサイズ調整",
         "SNDefault",
         {{"SNXPos", u"横位置（X)", -50, 70, u"", LAYOUT_VALUE(senderName.x)},
          {"SNYPos", u"縦位置（Y)", -150, 150, u"", LAYOUT_VALUE(senderName.y)},
          {"SNHeight", u"文字大（S)", -20, 35, u"", LAYOUT_VALUE(senderName.height)},
          {"SNGyokan", u"行   間（W)", -50, 50, u"", LAYOUT_VALUE(senderName.lineGap)}}},
        {"ShameiPage",
         u"会社名",
         u"会社名の位置とサイズ調整",
         "ShameiDefault",
         {{"ShameiXPos", u"横位置（X）", -100, 100, u"", LAYOUT_VALUE(company.x)},
          {"ShameiYPos", u"縦位置（Y）", -100, 100, u"", LAYOUT_VALUE(company.y)},
          {"ShameiSize", u"文字大（S)", -35, 35, u"", LAYOUT_VALUE(company.height)}}},
        {"YakushokuPage",
         u"役職名",
         u"役職名の位置とサイズ調整",
         "YakushokuDefault",
         {{"YakushokuXPos", u"横位置（X）", 200, 200, u"", LAYOUT_VALUE(title.x)},
          {"YakushokuYPos", u"縦位置（Y）", -200, 200, u"", LAYOUT_VALUE(title.y)},
          {"YakushokuSize", u"文字大（S)", -50, 50, u"", LAYOUT_VALUE(title.height)},
          {"YGyoukan", u"行　間（G)", -100, 100, u"", LAYOUT_VALUE(title.lineGap)}}},
    };
    return tabs;
}

#undef LAYOUT_VALUE

}  // namespace render
