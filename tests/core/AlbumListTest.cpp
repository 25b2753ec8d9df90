#include "albums/AlbumList.h"

#include <QRegularExpression>

#include <gtest/gtest.h>

namespace {
ST_PERLISTRECORD Album(const QString& name, int goodReviews = 0) {
    ST_PERLISTRECORD r;
    r.strName = name;
    r.strAddress = QStringLiteral("http://item.taobao.com/item.htm?id=") + name;
    r.nGoodReviews = goodReviews;
    r.nPosition = 99;   // ignored: the list decides
    r.nThumbIndex = 4;  // ignored
    return r;
}
QStringList Names(const AlbumList& list) {
    QStringList names;
    for (const auto& r : list.snapshot())
        names << r.strName;
    return names;
}
} // namespace

TEST(AlbumList, NamesAreMadeUnique) {
    AlbumList list;
    EXPECT_EQ(list.AddAlbum(Album("A")), 1);
    EXPECT_EQ(list.AddAlbum(Album("A")), 2);
    EXPECT_EQ(list.AddAlbum(Album("A")), 3);
    EXPECT_EQ(Names(list), QStringList({"A", "A (1)", "A (2)"}));
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(list.at(i).nPosition, i);
        EXPECT_EQ(list.at(i).nThumbIndex, -1);
    }

    AlbumList taken;
    taken.AddAlbum(Album("A"));
    taken.AddAlbum(Album("A (1)"));
    taken.AddAlbum(Album("A"));
    taken.AddAlbum(Album("a"));
    EXPECT_EQ(Names(taken), QStringList({"A", "A (1)", "A (2)", "a"}));
    EXPECT_EQ(taken.FindAlbumName("A (2)"), 0);
    EXPECT_EQ(taken.FindAlbumName("a (1)"), -1);
}

TEST(AlbumList, NamesAreCleaned) {
    AlbumList list;
    list.AddAlbum(Album(QStringLiteral("  新款/连衣裙&amp;套装  ")));
    list.AddAlbum(Album(QStringLiteral("???")));
    EXPECT_EQ(list.at(0).strName, QStringLiteral("新款连衣裙&套装"));
    EXPECT_TRUE(QRegularExpression(QStringLiteral("^\\d{14}$")).match(list.at(1).strName).hasMatch());
}

TEST(AlbumList, SortsAndRestore) {
    AlbumList list;
    const int reviews[] = {3, 9, 1, 9, 5};
    for (int i = 0; i < 5; ++i)
        list.AddAlbum(Album(QStringLiteral("n%1").arg(i), reviews[i]));
    list.SortByGoodReviewsDescending();
    EXPECT_EQ(list.at(0).nGoodReviews, 9);
    EXPECT_EQ(list.at(4).nGoodReviews, 1);
    list.SortByGoodReviewsAscending();
    EXPECT_EQ(list.at(0).nGoodReviews, 1);
    EXPECT_EQ(list.at(4).nGoodReviews, 9);
    list.SortByPosition();
    EXPECT_EQ(Names(list), QStringList({"n0", "n1", "n2", "n3", "n4"}));
}

TEST(AlbumList, EmptyAndOutOfRange) {
    AlbumList list;
    list.EmptyAlbums();
    EXPECT_TRUE(list.isEmpty());
    list.AddAlbum(Album("x"));
    list.EmptyAlbums();
    EXPECT_EQ(list.size(), 0);
    EXPECT_EQ(list.AddAlbum(Album("x")), 1);
    EXPECT_EQ(list.at(0).nPosition, 0); // positions start again after emptying
    EXPECT_TRUE(list.at(5).strName.isEmpty());
    EXPECT_FALSE(list.update(5, [](ST_PERLISTRECORD&) {}));
}
