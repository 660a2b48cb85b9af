#include "platform/interaction.h"

#include <gtest/gtest.h>

TEST(Interaction, FilterPairsBecomeQtNameFilters) {
    EXPECT_EQ(platform::qtNameFilters("文本文件(*.txt)|*.txt|配置文件(*.ini)|*.ini|所有文件(*.*)|*.*|"),
              QStringList({"文本文件(*.txt)", "配置文件(*.ini)", "所有文件(*.*)"}));
    // A description without its patterns gets them; several patterns are separated by ";".
    EXPECT_EQ(platform::qtNameFilters("MP3|*.mp3;*.MP3|"), QStringList({"MP3 (*.mp3 *.MP3)"}));
    EXPECT_EQ(platform::qtNameFilters(""), QStringList());
    EXPECT_EQ(platform::qtNameFilters("dangling"), QStringList()) << "a description without a pattern is no pair";
}
