// Walks a parsed document through the read operations that visit its whole tree, and through the
// preparations an import applies, so that a fuzz target reaches every part of what it parsed.
#pragma once

namespace Talvo {

class XmlCustomScripts;
class XmlFunction;
class XmlProfile;

void WalkFunction(XmlFunction& function);
void WalkProfile(XmlProfile& profile);
void WalkScripts(XmlCustomScripts& scripts);

}  // namespace Talvo
