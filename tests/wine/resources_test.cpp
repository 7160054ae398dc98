// The program's pictures are resources of the module, at their sizes and
// depths.
#include <windows.h>

#include <gtest/gtest.h>

namespace {

struct Picture {
  const wchar_t* name;
  int width, height, bits;
};

const Picture kPictures[] = {
    {L"OKBTN", 81, 25, 8},        {L"CNBTN", 81, 25, 8},         {L"HLBTN", 81, 25, 8},
    {L"AB1", 74, 99, 8},          {L"AB2", 74, 99, 8},           {L"OKBUTTON", 32, 29, 8},
    {L"CANCELBUTTON", 32, 29, 8}, {L"QBUTTON", 32, 29, 8},       {L"ADDBUTTON", 32, 29, 8},
    {L"MD", 525, 29, 8},          {L"LT", 15, 50, 8},            {L"RT", 15, 50, 8},
    {L"BARH", 410, 3, 8},         {L"ASTER", 2, 12, 8},          {L"KRPT", 52, 12, 8},
    {L"KNOPKI", 247, 152, 8},     {L"KNOPKIE", 247, 152, 8},     {L"KNOPKIYEAR", 162, 26, 8},
    {L"KNOPKIOTHER", 164, 36, 8}, {L"MENUFLASH", 171, 32, 8},    {L"GLAZANABARE", 52, 32, 8},
    {L"MITEMMUTE", 50, 50, 8},    {L"MITEMNOACT", 50, 50, 8},    {L"MITEMFIXATION", 50, 50, 8},
    {L"MITEMTRACK", 50, 50, 8},   {L"MITEMMASKS", 50, 50, 8},    {L"MITEMSALE", 50, 50, 8},
    {L"MITEMNOTEBOOK", 50, 50, 8}, {L"MITEMTOOL", 50, 50, 8},    {L"MITEMFLASH", 50, 50, 8},
    {L"MITEMMASK", 50, 50, 8},    {L"MITEMFIRM", 50, 50, 8},     {L"MITEMCLOCK", 50, 50, 8},
    {L"ARR001", 12, 12, 8},       {L"ARR002", 12, 12, 8},        {L"ARR003", 12, 12, 8},
    {L"ROMB001", 12, 12, 8},      {L"ROMB002", 12, 12, 8},       {L"ROMB003", 12, 12, 8},
    {L"CIR002", 12, 12, 24},      {L"PIROG", 58, 65, 8},         {L"NEBOSRJOB", 70, 54, 8},
    {L"LOGOTYPE", 240, 63, 8},
};

TEST(Resources, EveryBitmapHasItsSizeAndDepth) {
  for (const auto& p : kPictures) {
    auto bitmap = static_cast<HBITMAP>(
        LoadImageW(GetModuleHandleW(nullptr), p.name, IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
    ASSERT_NE(bitmap, nullptr) << p.name;
    DIBSECTION dib{};
    ASSERT_EQ(GetObjectW(bitmap, sizeof dib, &dib), static_cast<int>(sizeof dib)) << p.name;
    EXPECT_EQ(dib.dsBm.bmWidth, p.width) << p.name;
    EXPECT_EQ(dib.dsBm.bmHeight, p.height) << p.name;
    EXPECT_EQ(dib.dsBmih.biBitCount, p.bits) << p.name;
    DeleteObject(bitmap);
  }
}

TEST(Resources, TheSixProgramIconsComeInTheirSizes) {
  for (int id = 1; id <= 6; ++id) {
    for (int size : {16, 32, 48}) {
      auto icon = static_cast<HICON>(LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(id),
                                                IMAGE_ICON, size, size, 0));
      ASSERT_NE(icon, nullptr) << id << " " << size;
      ICONINFO info{};
      ASSERT_TRUE(GetIconInfo(icon, &info));
      BITMAP bm{};
      GetObjectW(info.hbmColor, sizeof bm, &bm);
      EXPECT_EQ(bm.bmWidth, size) << id;
      DeleteObject(info.hbmColor);
      DeleteObject(info.hbmMask);
      DestroyIcon(icon);
    }
  }
  EXPECT_EQ(LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(7), IMAGE_ICON, 32, 32, 0),
            nullptr);
}

}  // namespace
