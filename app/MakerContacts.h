#pragma once

// The maker's addresses, shown in the About window and opened by its links and
// by the banners. They are kept here alone so that a new edition changes them once.
namespace MakerContacts {
inline constexpr char kWebAddress[] = "http://navigator.talvinsk.ru";
inline constexpr char kEmailAddress[] = "navigator@talvinsk.ru";
} // namespace MakerContacts
