// The support chat link and the embedded pictures the help windows show.
#include <gtest/gtest.h>

#include <string>

#include "resources/embedded.h"
#include "support/image_info.h"
#include "ui/chat_link.h"

namespace rv {
namespace {

using test::ImageInfo;

TEST(ChatLink, CarriesTheNumberTheEncodedSiteAndMenu) {
  EXPECT_EQ(ChatLink("80012345"), "rvchat://message/?uin=80012345&Site=Rovanta%E5%AE%A2%E6%9C%8D&Menu=yes");
}

TEST(ChatLink, UrlEncodingKeepsOnlyUnreservedBytes) {
  struct Case {
    std::string in, out;
  };
  for (const Case& c : {Case{"", ""}, Case{"aZ09-._~", "aZ09-._~"}, Case{"a b", "a%20b"},
                        Case{"&=?/%+", "%26%3D%3F%2F%25%2B"}, Case{"客", "%E5%AE%A2"},
                        Case{std::string("\x00\xff", 2), "%00%FF"}})
    EXPECT_EQ(UrlEncode(c.in), c.out) << c.in;
}

TEST(HelpPictures, AreRealImagesOfTheirFormat) {
  struct Case {
    const char* file;
    ImageInfo::Format format;
  };
  const Case cases[] = {
      {"banner.jpg", ImageInfo::Jpeg},           {"help_dial_errors.jpg", ImageInfo::Jpeg},
      {"help_error_756.png", ImageInfo::Png},    {"help_error_806.png", ImageInfo::Png},
      {"help_android_pptp.jpg", ImageInfo::Jpeg}, {"help_apple_pptp.jpg", ImageInfo::Jpeg},
      {"help_android_l2tp.jpg", ImageInfo::Jpeg}, {"help_apple_l2tp.jpg", ImageInfo::Jpeg},
      {"usage_intro.png", ImageInfo::Png},       {"messenger_card.jpg", ImageInfo::Jpeg},
  };
  int tallerThanTheBox = 0;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.file);
    std::string_view bytes = EmbeddedFile(c.file);
    ASSERT_FALSE(bytes.empty());
    EXPECT_LT(bytes.size(), 700u * 1024u);
    ImageInfo info = test::ReadImageInfo(bytes);
    EXPECT_EQ(info.format, c.format);
    EXPECT_GT(info.width, 0);
    EXPECT_LE(info.width, 870);
    if (info.height > 5900) ++tallerThanTheBox;
  }
  // One help picture is taller than the picture box, so that its foot is cut.
  EXPECT_GE(tallerThanTheBox, 1);
  ImageInfo banner = test::ReadImageInfo(EmbeddedFile("banner.jpg"));
  EXPECT_EQ(banner.width, 870);
  EXPECT_EQ(banner.height, 90);
}

TEST(HelpPictures, HeaderReaderRejectsWhatIsNoImage) {
  for (std::string bytes : {std::string(), std::string("\xff\xd8", 2), std::string("\xff\xd8\xff\xe0\x00\x01", 6),
                            std::string("\xff\xd8\xff\xc0\x00", 5), std::string("\x89PNG\r\n\x1a\n", 8),
                            std::string("GIF89a")})
    EXPECT_EQ(test::ReadImageInfo(bytes).format, ImageInfo::None);
}

}  // namespace
}  // namespace rv
