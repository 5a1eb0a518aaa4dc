#include "ui/Artwork.h"

#include <QDir>
#include <QImage>

#include <iostream>

// Writes the application icon as FOLDER/SIZE/marquetto.png for each size, for the desktop's icon theme.
int main(int argc, char** argv)
{
    if (argc < 3) {
        std::cerr << "usage: render_icon FOLDER SIZE...\n";
        return 2;
    }
    const QString folder = QString::fromLocal8Bit(argv[1]);
    for (int i = 2; i < argc; ++i) {
        const QString size = QString::fromLocal8Bit(argv[i]);
        const QString path = folder + "/" + size + "/marquetto.png";
        if (!QDir().mkpath(folder + "/" + size) || !Artwork::applicationIconImage(size.toInt()).save(path)) {
            std::cerr << "render_icon: cannot write " << path.toStdString() << "\n";
            return 1;
        }
    }
    return 0;
}
