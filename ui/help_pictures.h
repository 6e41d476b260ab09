#pragma once
// File names of the embedded pictures (resources/files, made by
// resources/make_pictures.sh).
namespace rv::pictures {

inline constexpr char kBanner[] = "banner.jpg";
inline constexpr char kDialErrors[] = "help_dial_errors.jpg";  // 628, 720, 633, 619, 721
inline constexpr char kError756[] = "help_error_756.png";
inline constexpr char kError806[] = "help_error_806.png";
inline constexpr char kAndroidPptp[] = "help_android_pptp.jpg";
inline constexpr char kApplePptp[] = "help_apple_pptp.jpg";
inline constexpr char kAndroidL2tp[] = "help_android_l2tp.jpg";
inline constexpr char kAppleL2tp[] = "help_apple_l2tp.jpg";
inline constexpr char kUsageIntro[] = "usage_intro.png";
inline constexpr char kMessengerCard[] = "messenger_card.jpg";

}  // namespace rv::pictures
