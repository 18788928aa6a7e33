// The error and information boxes of the codec and the link, as lines on standard error:
// "pelmoxctl: Count not aquire Com Port", or with the caption in front for an information box
// ("pelmoxctl: Status Beacon Text Truncated: The Status Beacon text is too long...").
#pragma once

void installStderrPresenter();
