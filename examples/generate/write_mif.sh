#!/bin/sh
# Writes a small MIF file: sh write_mif.sh FILE "COMPONENT NAME"
# The Written attribute carries the time of writing, as a file that describes
# a machine's current state would.
set -e
cat > "$1" <<MIF
Start Component
    Name = "$2"
    Start Group
        Name = "ComponentID"
        Class = "DMTF|ComponentID|001"
        ID = 1
        Start Attribute
            Name = "Manufacturer"
            ID = 1
            Access = Read-Only
            Type = String(64)
            Value = "Example Devices"
        End Attribute
        Start Attribute
            Name = "Written"
            ID = 2
            Access = Read-Only
            Type = Date
            Value = "$(date -u +%Y%m%d%H%M%S).000000+000"
        End Attribute
    End Group
End Component
MIF
