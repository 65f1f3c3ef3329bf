// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/cupsqueue.h"

#include <cups/cups.h>

namespace pathwick {

std::optional<QList<CupsJob>> CupsJobsOn(const QString& queue) {
    cups_job_t* jobs = nullptr;
    const int count =
        cupsGetJobs2(CUPS_HTTP_DEFAULT, &jobs, queue.section(u'/', 0, 0).toLocal8Bit().constData(),
                     0, CUPS_WHICHJOBS_ALL);
    if (count < 0) return std::nullopt;
    QList<CupsJob> result;
    for (int i = 0; i < count; ++i) {
        const cups_job_t& job = jobs[i];
        result.append({job.id, QString::fromLocal8Bit(job.title),
                       job.state == IPP_JSTATE_ABORTED || job.state == IPP_JSTATE_CANCELED});
    }
    cupsFreeJobs(count, jobs);
    return result;
}

}  // namespace pathwick
