#pragma once

#include <QImage>
#include <QRect>
#include <QString>
#include <memory>
#include <vector>

class QPainter;

// One named picture of an image collection. A picture may hold several patterns of
// patternWidth x patternHeight laid out left to right, then top to bottom; 0 means the whole
// picture is one pattern. Entries are immutable and shared: a list that is reloaded never frees
// a picture that a sprite or a preview still shows.
class ImageEntry
{
public:
    ImageEntry(QString name, QImage picture, int patternWidth = 0, int patternHeight = 0,
               bool transparent = false, QRgb colorKey = 0);

    const QString &name() const { return name_; }
    // The picture as stored in the collection (for writing it back, previews and sheets).
    const QImage &source() const { return source_; }
    // The picture as drawn: premultiplied ARGB with the colour key made see-through.
    const QImage &picture() const { return picture_; }
    int pictureWidth() const { return source_.width(); }
    int pictureHeight() const { return source_.height(); }
    int patternWidth() const { return patternWidth_; }
    int patternHeight() const { return patternHeight_; }
    bool transparent() const { return transparent_; }
    QRgb colorKey() const { return colorKey_; }

    // The size a sprite gets when its creator gives it the size of its image: the pattern size
    // when positive, else the picture size.
    int width() const { return patternWidth_ > 0 ? patternWidth_ : pictureWidth(); }
    int height() const { return patternHeight_ > 0 ? patternHeight_ : pictureHeight(); }
    int patternCount() const;
    // The source rectangle of a pattern in picture(); empty when the index is outside.
    QRect patternRect(int index) const;

    // Drawing into a surface. A pattern index outside the entry draws nothing.
    void drawStretched(QPainter &p, const QRect &dest, int pattern) const;
    void drawBlended(QPainter &p, const QRect &dest, int pattern, int alpha) const;
    void drawRotated(QPainter &p, QPoint centre, int width, int height, int angle,
                     int pattern) const;
    void drawRotatedBlended(QPainter &p, QPoint centre, int width, int height, int angle,
                            int pattern, int alpha) const;
    void drawPlain(QPainter &p, QPoint topLeft, int pattern) const;

private:
    QString name_;
    QImage source_;
    QImage picture_;
    int patternWidth_;
    int patternHeight_;
    bool transparent_;
    QRgb colorKey_;
};

using ImagePtr = std::shared_ptr<const ImageEntry>;

// A list of named pictures loaded from an image collection (.zki).
class ImageList
{
public:
    // Replaces the contents with the collection's entries. Throws Error (naming the file and the
    // entry) when the file is not a readable collection; the list is then left unchanged.
    void loadFromFile(const QString &path);
    // Finds ignoring letter case; throws Error "Image '%s' not found".
    ImagePtr find(const QString &name) const;
    // nullptr when absent.
    ImagePtr tryFind(const QString &name) const;
    int count() const { return int(entries_.size()); }
    const ImagePtr &entry(int index) const { return entries_.at(index); }
    void append(ImagePtr entry) { entries_.push_back(std::move(entry)); }
    void clear() { entries_.clear(); }

private:
    std::vector<ImagePtr> entries_;
};
