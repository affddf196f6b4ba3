#include "CDeferredProcessTask.h"

CDeferredProcessTask::CDeferredProcessTask(std::function<CProcessTask*()> make)
    : m_make(std::move(make))
{ }

CDeferredProcessTask::~CDeferredProcessTask() = default;

void CDeferredProcessTask::Run()
{
    if (!m_make)
        return;
    m_pMade.reset(m_make());
    m_make = nullptr;
    if (m_pMade)
        m_pMade->Run();
}
