#include "core/platform/FileIO.h"

#include <QBuffer>
#include <cstring>
#include <gtest/gtest.h>
#include <memory>

using namespace tarvelin;

namespace
{

// A pipe-like device: no size to trust, bytes only as they are read.
class Pipe : public QIODevice
{
public:
    explicit Pipe(const QByteArray* bytes) : bytes_(*bytes) {}
    bool isSequential() const override { return true; }

protected:
    qint64 readData(char* data, qint64 maxSize) override
    {
        const qint64 n = std::min<qint64>(maxSize, bytes_.size() - taken_);
        std::memcpy(data, bytes_.constData() + taken_, static_cast<size_t>(n));
        taken_ += n;
        return n == 0 ? -1 : n;
    }
    qint64 writeData(const char*, qint64) override { return -1; }

private:
    QByteArray bytes_;
    qint64 taken_ = 0;
};

TEST(ReadDevice, TakesUpToTheLimitAndRefusesOneBytePastItWithOrWithoutASize)
{
    constexpr qsizetype limit = 200 * 1024; // more than one read piece
    for (const bool sequential : {false, true}) {
        for (const qsizetype size : {qsizetype(0), limit - 1, limit, limit + 1, 3 * limit}) {
            QByteArray bytes(size, '\x5a');
            if (size > 0)
                bytes[size - 1] = '\x01';
            std::unique_ptr<QIODevice> device;
            if (sequential)
                device = std::make_unique<Pipe>(&bytes);
            else
                device = std::make_unique<QBuffer>(&bytes);
            ASSERT_TRUE(device->open(QIODevice::ReadOnly));
            const FileContents contents = readDevice(*device, limit);
            SCOPED_TRACE(testing::Message() << "sequential " << sequential << " size " << size);
            EXPECT_EQ(contents.ok, size <= limit) << contents.error.toStdString();
            EXPECT_EQ(contents.bytes, size <= limit ? bytes : QByteArray());
        }
    }
}

} // namespace
