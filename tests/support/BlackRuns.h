#pragma once

#include <QImage>
#include <QList>
#include <QPoint>

class BlackRuns {
public:
    // The lengths of the runs of black pixels met walking count pixels from
    // `from` by `step`.
    static QList<int> along(const QImage &image, QPoint from, QPoint step, int count)
    {
        QList<int> runs{0};
        for (QPoint at = from; count-- > 0; at += step) {
            if ((image.pixel(at) & RGB_MASK) == 0)
                ++runs.last();
            else if (runs.last() > 0)
                runs.append(0);
        }
        runs.removeAll(0);
        return runs;
    }
};
