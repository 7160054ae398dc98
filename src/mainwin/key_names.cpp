#include <array>
#include <string>

#include "mainwin/hotkey_entries.h"

namespace zel {
namespace {

struct Named {
  int Code;
  const char* Name;
};

// Codes with a name of their own; digits, letters, numpad digits and the
// function keys are filled in by rule; every other code shows its number.
constexpr Named kNamed[] = {
    {1, "mouse lbutton"}, {2, "mouse rbutton"}, {3, "cancel"},      {4, "mouse mbutton"},
    {8, "back"},          {9, "tab"},           {12, "clear"},      {13, "return"},
    {16, "shift"},        {17, "control"},      {18, "menu"},       {19, "pause"},
    {20, "capital"},      {21, "kana"},         {23, "junja"},      {24, "final"},
    {25, "hanja"},        {27, "escape"},       {28, "convert"},    {29, "nonconvert"},
    {30, "accept"},       {31, "modechange"},   {32, "space"},      {33, "prior"},
    {34, "next"},         {35, "end"},          {36, "home"},       {37, "left"},
    {38, "up"},           {39, "right"},        {40, "down"},       {41, "select"},
    {42, "print"},        {43, "execute"},      {44, "snapshot"},   {45, "insert"},
    {46, "delete"},       {47, "help"},         {91, "lwin"},       {92, "rwin"},
    {93, "apps"},         {106, "multiply"},    {107, "add"},       {108, "separator"},
    {109, "subtract"},    {110, "decimal"},     {111, "divide"},    {144, "numlock"},
    {145, "scroll"},      {160, "lshift"},      {161, "rshift"},    {162, "lcontrol"},
    {163, "rcontrol"},    {164, "lmenu"},       {165, "rmenu"},     {192, "~"},
    {229, "processkey"},  {246, "attn"},        {247, "crsel"},     {248, "exsel"},
    {249, "ereof"},       {250, "play"},        {251, "zoom"},      {252, "noname"},
    {253, "pa1"},         {254, "oem_clear"},
};

std::array<std::string, 256> BuildNames() {
  std::array<std::string, 256> names;
  for (int c = 0; c < 256; ++c) names[c] = std::to_string(c);  // 0 reads "0" too
  for (int c = '0'; c <= '9'; ++c) names[c] = std::string(1, static_cast<char>(c));
  for (int c = 'A'; c <= 'Z'; ++c) names[c] = std::string(1, static_cast<char>(c));
  for (int i = 0; i <= 9; ++i) names[96 + i] = "numpad" + std::to_string(i);
  for (int i = 1; i <= 24; ++i) names[111 + i] = "f" + std::to_string(i);
  for (const Named& n : kNamed) names[n.Code] = n.Name;
  return names;
}

}  // namespace

std::string KeyName(int code) {
  static const std::array<std::string, 256> kNames = BuildNames();
  if (code < 0 || code > 255) return std::to_string(code);
  return kNames[static_cast<size_t>(code)];
}

}  // namespace zel
