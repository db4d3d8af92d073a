#!/bin/sh
# Uses the decrypted password without ever printing it, and leaves a result parameter for the
# server in External/results.xml below the script root.
if grep -q 'name="adminpassword" value="[^"]' properties.xml; then
    echo "the administrator password is set" >> tarvellog.txt
fi
mkdir -p ../External
cat > ../External/results.xml <<'XML'
<results>
  <parameter name="vmState">ready</parameter>
</results>
XML
