#pragma once
// Makes address books of realistic records for the benchmarks.

#include <QByteArray>
#include <QStringList>
#include <QVector>

namespace benchdata {

// `n` records in the grid's layout (13 cells, kana in column 6).
inline QVector<QStringList> makeRecords(int n) {
    const QStringList family = {"山田", "鈴木", "佐藤", "高橋", "田中",
                                "渡辺", "伊藤", "中村", "小林", "髙橋"};
    const QStringList kana = {"やまだ",   "すずき", "さとう",   "たかはし", "たなか",
                              "わたなべ", "いとう", "なかむら", "こばやし", "たかはし"};
    const QStringList given = {"太郎", "花子", "一郎", "美咲", "健太", "由美", "翔太", "陽子"};
    const QStringList relation = {"知人", "友人", "親戚", "仕事"};
    QVector<QStringList> rows;
    rows.reserve(n);
    quint32 seed = 1;
    auto next = [&seed] { return (seed = seed * 1103515245u + 12345u) >> 8; };
    for (int i = 0; i < n; ++i) {
        const int f = int(next() % family.size());
        QStringList row;
        row << QString() << family[f] + QStringLiteral("　") + given[next() % given.size()]
            << QStringLiteral("%1 ").arg(1000000 + next() % 8999999)
            << QStringLiteral("東京都千代田区千代田%1丁目%2番地")
                   .arg(next() % 9 + 1)
                   .arg(next() % 30 + 1)
            << QStringLiteral("ハイツ千代田%1号室").arg(next() % 500) << QString() << kana[f]
            << QStringLiteral("03-%1-%2").arg(next() % 9000 + 1000).arg(next() % 9000 + 1000)
            << QStringLiteral("090-1234-5678") << QString()
            << (i % 5 == 0 ? QStringLiteral("㈱山田商事") : QString())
            << (i % 7 == 0 ? QStringLiteral("部長") : QString())
            << relation[next() % relation.size()];
        rows << row;
    }
    return rows;
}

}  // namespace benchdata
