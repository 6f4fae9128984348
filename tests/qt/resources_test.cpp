#include <gtest/gtest.h>

#include <QApplication>
#include <QFile>
#include <QIcon>
#include <QImage>
#include <QtEndian>

#include "petcalc_version.h"

namespace petcalc::qt {
namespace {

// A file of the resources folder, from which the programs' pictures are made.
QByteArray ReadResource(const QString& name) {
  QFile file(QStringLiteral(PETCALC_RESOURCES "/") + name);
  EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << file.fileName().toStdString();
  return file.readAll();
}

quint16 Le16(const QByteArray& data, qsizetype at) {
  return qFromLittleEndian<quint16>(data.constData() + at);
}
quint32 Le32(const QByteArray& data, qsizetype at) {
  return qFromLittleEndian<quint32>(data.constData() + at);
}
quint16 Be16(const QByteArray& data, qsizetype at) {
  return qFromBigEndian<quint16>(data.constData() + at);
}

TEST(Resources, TheIconHoldsFiveUncompressedImagesInOrder) {
  const QByteArray ico = ReadResource(u"petcalc.ico"_qs);
  ASSERT_EQ(ico.size(), 18'718);
  ASSERT_EQ(Le16(ico, 2), 1);  // an icon, not a cursor
  ASSERT_EQ(Le16(ico, 4), 5);
  const struct { int size, bits; } expected[] = {{16, 8}, {32, 8}, {16, 32}, {32, 32}, {48, 32}};
  for (int i = 0; i < 5; ++i) {
    SCOPED_TRACE(i + 1);
    const qsizetype entry = 6 + 16 * i;
    const quint32 bytes = Le32(ico, entry + 8);
    const quint32 offset = Le32(ico, entry + 12);
    const int size = expected[i].size;
    const int bits = expected[i].bits;
    EXPECT_EQ(quint8(ico[entry]), size);
    EXPECT_EQ(Le16(ico, entry + 6), bits);
    // A BITMAPINFOHEADER, not a PNG signature; its height counts the AND mask too.
    EXPECT_EQ(Le32(ico, offset), 40u);
    EXPECT_EQ(Le32(ico, offset + 4), quint32(size));
    EXPECT_EQ(Le32(ico, offset + 8), quint32(2 * size));
    EXPECT_EQ(Le16(ico, offset + 14), bits);
    EXPECT_EQ(Le32(ico, offset + 16), 0u);  // BI_RGB: uncompressed
    const int palette = bits == 8 ? 256 * 4 : 0;
    const int colour_row = (size * bits / 8 + 3) / 4 * 4;
    const int mask_row = (size + 31) / 32 * 4;
    EXPECT_EQ(bytes, quint32(40 + palette + size * (colour_row + mask_row)));
  }
}

TEST(Resources, TheLogoIsABaselineFullColourJpegOfItsExactSize) {
  const QByteArray jpeg = ReadResource(u"logo.jpg"_qs);
  ASSERT_EQ(jpeg.size(), 21'959);
  ASSERT_EQ(Be16(jpeg, 0), 0xFFD8);
  bool found_frame = false;
  for (qsizetype at = 2; at + 4 <= jpeg.size() && !found_frame;) {
    const quint16 marker = Be16(jpeg, at);
    ASSERT_EQ(marker & 0xFF00, 0xFF00) << "at byte " << at;
    EXPECT_NE(marker, 0xFFC2) << "progressive";
    if (marker == 0xFFC0) {  // baseline DCT frame
      found_frame = true;
      EXPECT_EQ(quint8(jpeg[at + 4]), 8);  // bits per sample
      EXPECT_EQ(Be16(jpeg, at + 5), 57);   // height
      EXPECT_EQ(Be16(jpeg, at + 7), 113);  // width
      ASSERT_EQ(quint8(jpeg[at + 9]), 3);  // components
      for (qsizetype c = 0; c < 3; ++c)
        EXPECT_EQ(quint8(jpeg[at + 11 + 3 * c]), 0x11) << c;  // 4:4:4
    }
    at += 2 + Be16(jpeg, at + 2);
  }
  EXPECT_TRUE(found_frame);
  EXPECT_EQ(QImage::fromData(jpeg).size(), QSize(113, 57));
}

TEST(Resources, TheApplicationIsNamedWithItsVersion) {
  EXPECT_EQ(QApplication::applicationName(), u"petcalc"_qs);
  EXPECT_EQ(QApplication::applicationVersion(), QStringLiteral(PETCALC_VERSION_TEXT));
  EXPECT_FALSE(QApplication::windowIcon().isNull());
}

}  // namespace
}  // namespace petcalc::qt
