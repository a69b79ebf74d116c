// The maker's own values that the settings and choice lists start with.
#pragma once

namespace SettingDefault {
inline constexpr const char* kCompany = "Wexmoor";
inline constexpr const char* kPlantCity1 = "Harwick";
inline constexpr const char* kPlantCity2 = "Linden";
inline constexpr const char* kShipping1 = "FOB Factory, Harwick, OH";
inline constexpr const char* kShipping2 = "FOB Factory, Linden, TX";
inline constexpr const char* kStreet = "100 Industrial Parkway, Harwick, OH 44410";
inline constexpr const char* kPhone = "TEL: (555) 010-0100  FAX: (555) 010-0101";
inline constexpr const char* kEmail = "quotes@wexmoor.example";
inline constexpr const char* kDtaFolder = "C:\\Corvantis\\CorvantisZoro\\DTA Files";
}  // namespace SettingDefault
