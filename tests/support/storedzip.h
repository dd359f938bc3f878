#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QtEndian>
#include <utility>
#include <vector>

// Writes a ZIP archive by hand with stored (uncompressed) members, so tests can build archives
// the library never would: unsafe member names, false sizes, missing members.
class StoredZip
{
public:
    // declaredSize < 0: the real size; otherwise the size both headers claim.
    void add(const QByteArray &name, const QByteArray &data, qint64 declaredSize = -1)
    {
        members_.push_back({name, data, declaredSize < 0 ? data.size() : declaredSize});
    }

    QByteArray bytes() const
    {
        QByteArray out, central;
        for (const Member &m : members_) {
            const quint32 offset = quint32(out.size());
            const quint32 crc = crc32(m.data);
            out += header(0x04034b50, m, crc, false, 0);
            out += m.name + m.data;
            central += header(0x02014b50, m, crc, true, offset) + m.name;
        }
        const quint32 centralOffset = quint32(out.size());
        out += central;
        QByteArray end;
        le32(end, 0x06054b50);
        le16(end, 0);
        le16(end, 0);
        le16(end, quint16(members_.size()));
        le16(end, quint16(members_.size()));
        le32(end, quint32(central.size()));
        le32(end, centralOffset);
        le16(end, 0);
        return out + end;
    }

    void save(const QString &path) const
    {
        QFile f(path);
        if (f.open(QIODevice::WriteOnly))
            f.write(bytes());
    }

private:
    struct Member
    {
        QByteArray name, data;
        qint64 size;
    };

    static void le16(QByteArray &b, quint16 v)
    {
        char c[2];
        qToLittleEndian(v, c);
        b.append(c, 2);
    }
    static void le32(QByteArray &b, quint32 v)
    {
        char c[4];
        qToLittleEndian(v, c);
        b.append(c, 4);
    }

    static quint32 crc32(const QByteArray &data)
    {
        quint32 crc = 0xffffffffu;
        for (char ch : data) {
            crc ^= quint8(ch);
            for (int k = 0; k < 8; ++k)
                crc = (crc >> 1) ^ (0xedb88320u & (0u - (crc & 1u)));
        }
        return ~crc;
    }

    static QByteArray header(quint32 signature, const Member &m, quint32 crc, bool central,
                             quint32 offset)
    {
        QByteArray h;
        le32(h, signature);
        if (central)
            le16(h, 20); // made by
        le16(h, 20);     // needed to extract
        le16(h, 0);      // flags
        le16(h, 0);      // stored
        le16(h, 0);      // time
        le16(h, 0x2821); // date
        le32(h, crc);
        le32(h, quint32(m.size));
        le32(h, quint32(m.size));
        le16(h, quint16(m.name.size()));
        le16(h, 0); // extra
        if (central) {
            le16(h, 0); // comment
            le16(h, 0); // disk
            le16(h, 0); // internal attributes
            le32(h, 0); // external attributes
            le32(h, offset);
        }
        return h;
    }

    std::vector<Member> members_;
};
