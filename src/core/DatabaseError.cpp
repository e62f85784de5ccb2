#include "core/DatabaseError.h"

#include <QFileInfo>

QString DatabaseError::userMessage() const {
    // A database on a server is named by its display() text, not by a file.
    const bool server = m_file.startsWith(QLatin1String("postgresql://"));
    const QString name = server ? m_file : QFileInfo(m_file).fileName();
    if (server) {
        switch (m_kind) {
        case Kind::CannotOpen:
        case Kind::NotFound:
        case Kind::Locked:
            return QStringLiteral("サーバーのデータベース「%1」に接続できませんでした｡"
                                  "サーバーが動いているか､設定の接続先(Server)と"
                                  "パスワードファイル(~/.pgpass)を確かめてください｡")
                .arg(name);
        case Kind::NotDatabase:
            return QStringLiteral("サーバーのデータベース「%1」はこのプログラムのデータベースでは"
                                  "ありません｡")
                .arg(name);
        case Kind::Newer:
            return QStringLiteral(
                       "サーバーのデータベース「%1」はこのプログラムより新しい版で"
                       "使われているため使えません｡新しい版のプログラムをお使いください｡")
                .arg(name);
        case Kind::NotUpgraded:
            return QStringLiteral("サーバーのデータベース「%1」を新しい形式に更新できませんでした｡"
                                  "データベースは元のままです｡")
                .arg(name);
        case Kind::Disconnected:
            return QStringLiteral("サーバーのデータベース「%1」との接続が切れました｡"
                                  "変更は保存されていません｡サーバーが動いているか確かめてから､"
                                  "もう一度やり直してください｡")
                .arg(name);
        default:
            break;
        }
    }
    switch (m_kind) {
    case Kind::NotFound:
        return QStringLiteral("ファイル「%1」が見つかりませんでした｡").arg(name);
    case Kind::NotDatabase:
        return QStringLiteral("ファイル「%1」はデータベースとして読めません("
                              "壊れているか、別の種類のファイルです)｡")
            .arg(name);
    case Kind::Locked:
        return QStringLiteral("ファイル「%1」は他のプログラムが使用中のため開けません｡").arg(name);
    case Kind::CannotOpen:
        return QStringLiteral("ファイル「%1」を開けませんでした｡").arg(name);
    case Kind::Newer:
        return QStringLiteral("ファイル「%1」はこのプログラムより新しい版で作られているため"
                              "使えません｡新しい版のプログラムをお使いください｡")
            .arg(name);
    case Kind::NotUpgraded:
        return QStringLiteral("ファイル「%1」を新しい形式に更新できませんでした｡"
                              "ファイルは元のままです｡")
            .arg(name);
    case Kind::Conflict:
        return QStringLiteral("他の端末が同時に同じデータを保存したため､データベース「%1」に"
                              "保存できませんでした｡変更は保存されていません｡"
                              "もう一度やり直してください｡")
            .arg(name);
    case Kind::Disconnected:
    case Kind::Statement:
        break;
    }
    return QStringLiteral("データベース「%1」の読み書きに失敗しました｡変更は保存されていません｡")
        .arg(name);
}
