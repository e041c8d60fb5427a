// Counts the handles open in this process, by asking the system about each handle value.
#pragma once

int CountOpenHandles();
