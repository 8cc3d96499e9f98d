#include "mouse_access.h"

namespace norvale::tools {
namespace {

MouseAccessFactory& Factory()
{
    static MouseAccessFactory factory;
    return factory;
}

}  // namespace

void SetMouseAccessFactory(MouseAccessFactory factory) { Factory() = std::move(factory); }

std::unique_ptr<MouseAccess> OpenMouseAccess(std::ostream& err)
{
    return Factory() ? Factory()(err) : OpenSystemMouseAccess(err);
}

}  // namespace norvale::tools
